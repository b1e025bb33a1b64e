#pragma once
// Where the update program finds what it updates, and how an installation
// that stopped half way is put right.
//
// An installation builds the new main folder as main.part, renames it to
// main.new once complete, moves main aside to main.old and main.new into its
// place. That last rename is the point of no return: from then on the new
// version is finished (its Skyvell.ini moved to the root, the temporary folder
// and main.old deleted, main.old last); before it, the old one is put back.
#include <string>
#include <string_view>

struct InstallLayout {
    // The folder of the update program; a trailing backslash (a drive root) is dropped.
    explicit InstallLayout(std::wstring_view programFolder);

    std::wstring root;

    // The root as a folder: a drive root keeps its backslash ("d:\\").
    std::wstring Folder() const { return root.size() == 2 ? root + L"\\" : root; }

    std::wstring IniFile() const { return root + L"\\Skyvell.ini"; }
    std::wstring MainFolder() const { return root + L"\\main"; }
    std::wstring InstalledVersionFile() const { return root + L"\\main\\brvtupdate.txt"; }
    // The configuration an update brings, inside its main folder.
    std::wstring NewIniFile() const { return root + L"\\main\\Skyvell.ini"; }

    // A path of the configuration: a relative one counts from the root, as
    // the program may have been started from any folder.
    std::wstring Resolve(std::wstring_view path) const;

    std::wstring PartialFolder() const { return root + L"\\main.part"; }
    std::wstring FreshFolder() const { return root + L"\\main.new"; }
    std::wstring PreviousFolder() const { return root + L"\\main.old"; }
};

// The fixed download folder on drive C: and what the update server holds.
inline constexpr wchar_t TempFolder[] = L"c:\\brvtupdatetemp";
inline constexpr wchar_t DownloadedVersionFile[] = L"c:\\brvtupdatetemp\\brvtupdate.txt";
inline constexpr char RemoteVersionFile[] = "brvt/brvtupdate.txt";

// Which of the installation's folders exist.
struct InstallFolders {
    bool main = false;
    bool partial = false;
    bool fresh = false;
    bool previous = false;
};

// What puts a stopped installation right, in this order.
struct InstallRepair {
    bool discardPartial = false;
    bool restorePrevious = false;  // main.old back to main
    bool discardFresh = false;
    bool finish = false;           // the new main is in place: finish its installation

    bool operator==(const InstallRepair&) const = default;
};

InstallRepair PlanRepair(const InstallFolders& found);
