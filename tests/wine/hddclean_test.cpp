// The disk cleaner on scratch trees below the build folder. Wine maps no drive
// letter that DefineDosDevice or subst define, so the drives that the test
// gives the sweep through the effects seam have scratch folders as their roots.
#include "pages/system/frmHDDCLean.h"

#include "shell/basLAnguageSelector.h"
#include "ui/win/Handles.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;
using testing_support::TestProgramFolder;

namespace {

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFile(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
{
    ASSERT_TRUE(win::unique_hfile(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)));
    ::SetFileAttributesW(path.c_str(), attributes);
}

// Every text that lblPath is given, in order.
std::vector<std::wstring> shownPaths;
HWND pathLabel = nullptr;

LRESULT CALLBACK RecordPath(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == pathLabel && sent->message == WM_SETTEXT)
        shownPaths.emplace_back(reinterpret_cast<const wchar_t*>(sent->lParam));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// The sweep's question as the English language file words it.
std::wstring Question(const std::wstring& folder, const std::wstring& kind)
{
    const std::wstring start = L"The folder " + folder + L" contains ";
    if (kind == L"tmp")
        return start + L"temporary files (*.tmp).\r\nTemporary files are usually no longer needed. "
                       L"Do you want to delete them?";
    if (kind == L"GID")
        return start + L"help index files (*.GID).\r\nWindows creates these help index files again when "
                       L"needed. Do you want to delete them?";
    return start + L"old backup files (*.old).\r\nThese are old copies of replaced files. Do you want to delete them?";
}

const std::wstring Finished = L"Search finished.";

class HDDCleanTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        seam.programFolder = TestProgramFolder() + L"\\layout\\main";
        testing_support::RemoveTree(scratch_);
        ASSERT_TRUE(::CreateDirectoryW(scratch_.c_str(), nullptr));
    }
    void TearDown() override
    {
        if (hook_)
            ::UnhookWindowsHookEx(hook_);
        FormTest::TearDown();
        testing_support::RemoveTree(scratch_);
    }

    // The page as the language pass leaves it, with the English texts; lblPath's texts are recorded.
    FrmHDDCLean& Page()
    {
        FrmHDDCLean& page = frmHDDCLean.Get();
        basLAnguageSelector::ApplyLanguage(page, L"English.bvl");
        shownPaths.clear();
        pathLabel = page.lblPath.Hwnd();
        hook_ = ::SetWindowsHookExW(WH_CALLWNDPROC, RecordPath, nullptr, ::GetCurrentThreadId());
        return page;
    }

    // A scratch folder given to the sweep as a drive; its root, with the closing backslash.
    std::wstring AddDrive(const std::wstring& name, UINT type = DRIVE_FIXED)
    {
        seam.drives.push_back({Folder(name) + L"\\", type});
        return seam.drives.back().root;
    }

    std::wstring Folder(const std::wstring& relative)
    {
        const std::wstring path = scratch_ + L"\\" + relative;
        ::CreateDirectoryW(path.c_str(), nullptr);
        return path;
    }

    void Sweep(FrmHDDCLean& page, bool ask)
    {
        page.chkShowDialog.SetValue(ask ? 1 : 0);
        Click(page.cmdSucheStarten.Hwnd());
    }

    const std::wstring scratch_ = TestProgramFolder() + L"\\hddclean-scratch";
    HHOOK hook_ = nullptr;
};

// --- The sweep ---

TEST_F(HDDCleanTest, EachPatternIsAskedOnceForItsPlainFiles)
{
    const std::wstring root = AddDrive(L"d");
    // Neither hidden nor system files nor folders count, nor a longer extension.
    MakeFile(root + L"hidden.tmp", FILE_ATTRIBUTE_HIDDEN);
    MakeFile(root + L"system.GID", FILE_ATTRIBUTE_SYSTEM);
    Folder(L"d\\folder.GID");
    MakeFile(root + L"template.tmpl");
    for (const wchar_t* name : {L"a.tmp", L"b.TMP", L"x.old", L"y.old"})
        MakeFile(root + name);
    FrmHDDCLean& page = Page();
    seam.messageAnswers = {IDNO, IDYES};
    Sweep(page, true);

    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[0].text, Question(root, L"tmp"));
    EXPECT_EQ(seam.messages[1].text, Question(root, L"old"));
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(36));
    EXPECT_EQ(seam.messages[0].title, L"Brevantor");
    EXPECT_TRUE(Exists(root + L"a.tmp") && Exists(root + L"b.TMP")) << "No keeps the pattern's files";
    EXPECT_FALSE(Exists(root + L"x.old") || Exists(root + L"y.old")) << "Yes deletes them all";
    for (const wchar_t* name : {L"hidden.tmp", L"system.GID", L"folder.GID", L"template.tmpl"})
        EXPECT_TRUE(Exists(root + name));
    EXPECT_EQ(shownPaths, (std::vector<std::wstring>{root, root + L"folder.GID\\", Finished}));
    EXPECT_TRUE(page.cmdSucheStarten.Enabled());
}

TEST_F(HDDCleanTest, FixedDrivesAreSweptDepthFirstAndLinksAreNotFollowed)
{
    const std::wstring removable = AddDrive(L"usb", DRIVE_REMOVABLE);
    // The build made tree\link, a symbolic link to the folder beside the tree,
    // which Wine shows as a folder that is a reparse point.
    const std::wstring fixture = TestProgramFolder() + L"\\hddclean-fixture";
    const std::wstring tree = fixture + L"\\tree\\";
    ASSERT_TRUE(::GetFileAttributesW((tree + L"link").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT)
        << "the link is missing: configure the build again";
    seam.drives.push_back({tree, DRIVE_FIXED});
    // Made out of order: subfolders are visited by name.
    for (const wchar_t* folder : {L"c", L"b", L"b\\y", L"b\\x", L"a"})
        ::CreateDirectoryW((tree + folder).c_str(), nullptr);
    const std::vector<std::wstring> files{tree + L"top.tmp", tree + L"a\\one.GID", tree + L"b\\x\\two.old",
                                          tree + L"c\\three.tmp"};
    for (const std::wstring& file : files)
        MakeFile(file);
    MakeFile(removable + L"a.tmp");
    MakeFile(fixture + L"\\outside\\elsewhere.tmp");
    FrmHDDCLean& page = Page();
    Sweep(page, false);

    const std::vector<std::wstring> expected{tree, tree + L"a\\", tree + L"b\\", tree + L"b\\x\\", tree + L"b\\y\\",
                                             tree + L"c\\", Finished};
    EXPECT_EQ(shownPaths, expected);
    EXPECT_TRUE(seam.messages.empty()) << "a clear box asks nothing";
    for (const std::wstring& file : files)
        EXPECT_FALSE(Exists(file));
    EXPECT_TRUE(Exists(removable + L"a.tmp")) << "only fixed drives are swept";
    EXPECT_TRUE(Exists(fixture + L"\\outside\\elsewhere.tmp"));
    ::DeleteFileW((fixture + L"\\outside\\elsewhere.tmp").c_str());
    for (const wchar_t* folder : {L"a", L"b", L"c"})
        testing_support::RemoveTree(tree + folder);
}

TEST_F(HDDCleanTest, AFileThatCannotGoEndsItsFolderNotTheProgram)
{
    const std::wstring first = AddDrive(L"first");
    const std::wstring second = AddDrive(L"second");
    Folder(L"first\\below");
    MakeFile(first + L"readonly.tmp", FILE_ATTRIBUTE_READONLY);
    for (const wchar_t* file : {L"plain.tmp", L"later.old", L"below\\a.tmp"})
        MakeFile(first + file);
    MakeFile(second + L"b.tmp");
    FrmHDDCLean& page = Page();
    Sweep(page, false);

    // A root fares as a folder below it: the rest of it waits for the next sweep.
    EXPECT_FALSE(Exists(first + L"plain.tmp")) << "the pattern's other files go all the same";
    EXPECT_TRUE(Exists(first + L"readonly.tmp") && Exists(first + L"later.old") && Exists(first + L"below\\a.tmp"));
    EXPECT_FALSE(Exists(second + L"b.tmp"));
    EXPECT_EQ(shownPaths, (std::vector<std::wstring>{first, second, Finished}));
}

TEST_F(HDDCleanTest, TheBoxIsReadAnewForEachDrive)
{
    const std::wstring first = AddDrive(L"first");
    const std::wstring second = AddDrive(L"second");
    MakeFile(first + L"a.tmp");
    MakeFile(first + L"a.old");
    MakeFile(second + L"b.tmp");
    FrmHDDCLean& page = Page();
    seam.whileMessageShown = [&page] { page.chkShowDialog.SetValue(0); };
    seam.messageAnswers = {IDNO, IDYES};
    ::SetFocus(page.cmdSucheStarten.Hwnd());
    Sweep(page, true);
    EXPECT_EQ(::GetFocus(), page.chkShowDialog.Hwnd()) << "the focus left the disabled button for the box";
    ASSERT_EQ(seam.messages.size(), 2u) << "the first drive goes on asking";
    EXPECT_EQ(seam.messages[1].text, Question(first, L"old"));
    EXPECT_TRUE(Exists(first + L"a.tmp"));
    EXPECT_FALSE(Exists(first + L"a.old") || Exists(second + L"b.tmp"));
}

TEST_F(HDDCleanTest, WhileItSweepsTheProgramIsUsableAndTheSweepCannotStartAgain)
{
    const std::wstring root = AddDrive(L"d");
    MakeFile(root + L"a.tmp");
    FrmHDDCLean& page = Page();
    ASSERT_TRUE(::OpenClipboard(nullptr) && ::EmptyClipboard());
    ::SetClipboardData(CF_UNICODETEXT, ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16));
    ::CloseClipboard();
    // A click on the clipboard button waits in the queue until the sweep yields at its first folder.
    RECT client;
    ::GetClientRect(page.cmdClipBoard.Hwnd(), &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    ::PostMessageW(page.cmdClipBoard.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::PostMessageW(page.cmdClipBoard.Hwnd(), WM_LBUTTONUP, 0, centre);
    bool buttonEnabled = true;
    HCURSOR pointer = nullptr;
    std::wstring path;
    seam.whileMessageShown = [&] {
        buttonEnabled = page.cmdSucheStarten.Enabled();
        path = page.lblPath.Caption();
        // The mouse moving over the page sets its pointer anew.
        ::SendMessageW(page.lblPath.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page.lblPath.Hwnd()),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        pointer = ::GetCursor();
    };
    Sweep(page, false);

    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"The clipboard has been emptied.");
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_FALSE(::IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(path, root);
    EXPECT_FALSE(buttonEnabled);
    EXPECT_EQ(pointer, ::LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_FALSE(Exists(root + L"a.tmp")) << "the sweep went on after the action";
    EXPECT_TRUE(page.cmdSucheStarten.Enabled());
    EXPECT_NE(::GetCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
}

TEST_F(HDDCleanTest, ASweepStopsWhenTheProgramEndsDuringIt)
{
    const std::wstring first = AddDrive(L"first");
    const std::wstring second = AddDrive(L"second");
    MakeFile(first + L"a.tmp");
    MakeFile(first + L"a.old");
    MakeFile(second + L"c.tmp");
    FrmHDDCLean& page = Page();
    seam.whileMessageShown = [&page] { page.Unload(); };
    seam.messageAnswers = {IDNO};
    Sweep(page, true);
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(Exists(first + L"a.old") && Exists(second + L"c.tmp")) << "swept after the end";
}

// --- The temporary and the cookies folder ---

// Fills a folder with files to empty, a subfolder and a file held open without sharing its deletion.
win::unique_hfile FillFolder(const std::wstring& folder)
{
    MakeFile(folder + L"\\a.txt");
    MakeFile(folder + L"\\b.tmp");
    MakeFile(folder + L"\\hidden.dat", FILE_ATTRIBUTE_HIDDEN);
    ::CreateDirectoryW((folder + L"\\sub").c_str(), nullptr);
    MakeFile(folder + L"\\sub\\inner.txt");
    return win::unique_hfile(::CreateFileW((folder + L"\\held.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                           CREATE_ALWAYS, 0, nullptr));
}

void ExpectEmptied(const std::wstring& folder)
{
    for (const wchar_t* name : {L"a.txt", L"b.tmp", L"hidden.dat"})
        EXPECT_FALSE(Exists(folder + L"\\" + name));
    EXPECT_TRUE(Exists(folder + L"\\held.txt")) << "a file in use is skipped";
    EXPECT_TRUE(Exists(folder + L"\\sub\\inner.txt")) << "subfolders are left alone";
}

// What ExpectEmptied leaves of a filled folder, removed once the held file is let go.
void RemoveWhatWasLeft(const std::wstring& folder)
{
    ::DeleteFileW((folder + L"\\held.txt").c_str());
    testing_support::RemoveTree(folder + L"\\sub");
}

// Sets environment variables for one test case; "" removes one. The old values come back at the end.
class Environment {
public:
    Environment(std::initializer_list<std::pair<const wchar_t*, std::wstring>> values)
    {
        for (const auto& [name, value] : values) {
            wchar_t previous[MAX_PATH] = L"";
            const DWORD length = ::GetEnvironmentVariableW(name, previous, MAX_PATH);
            saved_.push_back({name, length > 0 && length < MAX_PATH ? std::optional<std::wstring>(previous) : std::nullopt});
            ::SetEnvironmentVariableW(name, value.empty() ? nullptr : value.c_str());
        }
    }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;
    ~Environment()
    {
        for (const auto& [name, value] : saved_)
            ::SetEnvironmentVariableW(name, value ? value->c_str() : nullptr);
    }

private:
    std::vector<std::pair<const wchar_t*, std::optional<std::wstring>>> saved_;
};

// The harness's symbolic links: profile, windows, root (to C:\) and ordinary (to an ordinary folder).
const std::wstring Links = L"C:\\hddclean-links";

// The build drive reaches drive C through the prefix in the build folder.
std::wstring DriveCOnTheBuildDrive()
{
    return TestProgramFolder() + L"\\wine-test\\prefix\\drive_c";
}

std::wstring WindowsFolder()
{
    wchar_t path[MAX_PATH] = L"";
    ::GetWindowsDirectoryW(path, MAX_PATH);
    return path;
}

const std::wstring TemporaryWarning =
    L"Please close all other programs first. Files that are still in use will be skipped.";

std::wstring ShellFolder(int folder)
{
    wchar_t path[MAX_PATH] = L"";
    ::SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring UserProfile()
{
    return ShellFolder(CSIDL_PROFILE);
}

TEST_F(HDDCleanTest, ATemporaryFolderBelowTheProfileIsEmptiedAfterAWarningThatCannotCancel)
{
    const std::wstring temporary = UserProfile() + L"\\AppData\\Local\\Temp\\hddclean-temp";
    ASSERT_EQ(::SHCreateDirectoryExW(nullptr, temporary.c_str(), nullptr), ERROR_SUCCESS);
    {
        const win::unique_hfile held = FillFolder(temporary);
        const Environment environment{{L"TMP", temporary}, {L"TEMP", temporary}};
        FrmHDDCLean& page = Page();
        seam.messageAnswers = {IDCANCEL};
        Click(page.cmdTempOrdner.Hwnd());
        ExpectEmptied(temporary);
    }
    testing_support::RemoveTree(temporary);
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[0].text, TemporaryWarning);
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(seam.messages[1].text, L"The temporary folder has been emptied.");
    EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(HDDCleanTest, AnOrdinaryOrWindowsTemporaryFolderIsEmptiedWhicheverNameLeadsToIt)
{
    const std::wstring inWindowsTemp = WindowsFolder() + L"\\Temp\\hddclean-temp";
    ASSERT_TRUE(::CreateDirectoryW(inWindowsTemp.c_str(), nullptr));
    const std::pair<const char*, std::wstring> cases[] = {
        {"an ordinary folder through a link", Links + L"\\ordinary"},
        {"a folder in the Windows Temp folder", inWindowsTemp},
        {"that folder through a link to the Windows folder", Links + L"\\windows\\Temp\\hddclean-temp"},
        {"that folder on the build drive", DriveCOnTheBuildDrive() + inWindowsTemp.substr(2)},
    };
    FrmHDDCLean& page = Page();
    for (const auto& [what, folder] : cases) {
        SCOPED_TRACE(what);
        seam.messages.clear();
        {
            const win::unique_hfile held = FillFolder(folder);
            const Environment environment{{L"TMP", folder}, {L"TEMP", folder}};
            Click(page.cmdTempOrdner.Hwnd());
            ExpectEmptied(folder);
        }
        RemoveWhatWasLeft(folder);
        ASSERT_EQ(seam.messages.size(), 2u);
        EXPECT_EQ(seam.messages[1].text, L"The temporary folder has been emptied.");
    }
    testing_support::RemoveTree(inWindowsTemp);
}

TEST_F(HDDCleanTest, AFolderThatHoldsMoreThanTemporaryFilesIsNeverEmptied)
{
    const std::wstring windows = WindowsFolder();
    wchar_t path[MAX_PATH] = L"";
    ::GetSystemDirectoryW(path, MAX_PATH);
    const std::wstring system = path;
    const std::wstring programFiles = ShellFolder(CSIDL_PROGRAM_FILES);
    ASSERT_GT(::GetShortPathNameW(programFiles.c_str(), path, MAX_PATH), 0u);
    const std::wstring programFilesShort = path;
    ASSERT_NE(programFilesShort, programFiles) << "the short name is to be tried";
    const std::wstring profile = UserProfile();
    ASSERT_TRUE(Exists(Links + L"\\profile\\AppData")) << "the harness made no links";
    const std::wstring driveCOnTheBuildDrive = DriveCOnTheBuildDrive();
    ASSERT_TRUE(Exists(driveCOnTheBuildDrive + windows.substr(2)));
    // The harness's link from the Windows Temp folder to the drivers.
    const std::wstring drivers = system + L"\\drivers";
    const std::wstring linkInWindowsTemp = windows + L"\\Temp\\hddclean-drivers";
    ASSERT_TRUE(::GetFileAttributesW(linkInWindowsTemp.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    // The language file comes from the real program folder first.
    FrmHDDCLean& page = Page();
    // The program runs from its install root on drive C, named through the build drive.
    const std::wstring installRoot = L"C:\\hddclean-install";
    ::CreateDirectoryW(installRoot.c_str(), nullptr);
    ::CreateDirectoryW((installRoot + L"\\main").c_str(), nullptr);
    ::CreateDirectoryW((installRoot + L"\\Temp").c_str(), nullptr);
    const std::wstring program = driveCOnTheBuildDrive + installRoot.substr(2) + L"\\main";
    seam.programFolder = program;
    std::wstring programUpper = program;
    ::CharUpperW(programUpper.data());

    struct Case {
        const char* what;
        std::wstring tmp;      // TMP and TEMP; "" leaves both unset
        std::wstring profile;  // USERPROFILE
        std::wstring folder;   // the folder that must keep its files
    };
    std::vector<Case> cases{
        {"drive root", L"C:\\", profile, L"C:"},
        {"Windows folder", windows + L"\\", profile, windows},
        {"Windows folder reached by ..", system + L"\\..", profile, windows},
        {"system folder", system, profile, system},
        {"program files by its short name", programFilesShort, profile, programFiles},
        {"profile", profile, profile, profile},
        {"above the profile", profile + L"\\..", profile, profile + L"\\.."},
        {"program folder in other letters", programUpper, profile, program},
        {"install root", program + L"\\..", profile, installRoot},
        {"install root on its own drive", installRoot, profile, installRoot},
        {"drive root by \\\\.\\", L"\\\\.\\C:\\", profile, L"C:"},
        {"Windows folder by \\\\.\\", L"\\\\.\\" + windows, profile, windows},
        {"system folder by \\\\.\\", L"\\\\.\\" + system, profile, system},
        {"program files by \\\\.\\", L"\\\\.\\" + programFiles, profile, programFiles},
        {"profile by \\\\.\\", L"\\\\.\\" + profile, profile, profile},
        {"profile by \\\\?\\", L"\\\\?\\" + profile, profile, profile},
        {"a link to the drive root", Links + L"\\root", profile, L"C:"},
        {"a link to the Windows folder", Links + L"\\windows", profile, windows},
        {"a link to the profile", Links + L"\\profile", profile, profile},
        {"drive C's root on the build drive", driveCOnTheBuildDrive, profile, L"C:"},
        {"profile on the build drive", driveCOnTheBuildDrive + profile.substr(2), profile, profile},
        {"Windows' fallback when nothing is set", L"", L"", windows},
        // Inside the Windows, program-files and install folders, and the user's shell folders.
        {"Fonts folder", windows + L"\\Fonts", profile, windows + L"\\Fonts"},
        {"drivers folder", drivers, profile, drivers},
        {"Common Files", ShellFolder(CSIDL_PROGRAM_FILES_COMMON), profile, ShellFolder(CSIDL_PROGRAM_FILES_COMMON)},
        {"a folder inside the install root", installRoot + L"\\Temp", profile, installRoot + L"\\Temp"},
        {"Desktop", ShellFolder(CSIDL_DESKTOPDIRECTORY), profile, ShellFolder(CSIDL_DESKTOPDIRECTORY)},
        {"Documents", ShellFolder(CSIDL_PERSONAL), profile, ShellFolder(CSIDL_PERSONAL)},
        {"the Fonts through a link to the Windows folder", Links + L"\\windows\\Fonts", profile, windows + L"\\Fonts"},
        {"drivers on the build drive", driveCOnTheBuildDrive + drivers.substr(2), profile, drivers},
        {"a link in the Windows Temp folder to the drivers", linkInWindowsTemp, profile, drivers},
    };
    const std::wstring programFilesX86 = ShellFolder(CSIDL_PROGRAM_FILESX86);
    if (!programFilesX86.empty() && Exists(programFilesX86)) {
        const std::wstring commonFilesX86 = ShellFolder(CSIDL_PROGRAM_FILES_COMMONX86);
        cases.push_back({"Program Files (x86)", programFilesX86, profile, programFilesX86});
        cases.push_back({"Common Files (x86)", commonFilesX86, profile, commonFilesX86});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring canary = c.folder + L"\\hddclean-canary.txt";
        MakeFile(canary, FILE_ATTRIBUTE_HIDDEN);
        seam.messages.clear();
        {
            const Environment environment{{L"TMP", c.tmp}, {L"TEMP", c.tmp}, {L"USERPROFILE", c.profile}};
            Click(page.cmdTempOrdner.Hwnd());
        }
        EXPECT_TRUE(Exists(canary));
        ::SetFileAttributesW(canary.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(canary.c_str());
        ASSERT_EQ(seam.messages.size(), 2u);
        EXPECT_EQ(seam.messages[0].text, TemporaryWarning);
        EXPECT_EQ(seam.messages[1].text.rfind(L"The temporary folder is set to ", 0), 0u) << seam.messages[1].text;
        EXPECT_NE(seam.messages[1].text.find(L"Nothing has been deleted."), std::wstring::npos);
        EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    testing_support::RemoveTree(installRoot);

    seam.messages.clear();
    const std::wstring missing = scratch_ + L"\\missing\\";
    {
        const Environment environment{{L"TMP", missing}, {L"TEMP", missing}};
        Click(page.cmdTempOrdner.Hwnd());
    }
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text, L"The temporary folder " + missing + L" does not exist. Nothing has been deleted.");
    EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_ICONEXCLAMATION));
}

// Points the user's cookies folder elsewhere for one test case, and back to the prefix's own at the end.
class CookiesFolder {
public:
    explicit CookiesFolder(const std::wstring& path) { Set(path); }
    CookiesFolder(const CookiesFolder&) = delete;
    CookiesFolder& operator=(const CookiesFolder&) = delete;
    ~CookiesFolder() { Set(L"%USERPROFILE%\\AppData\\Local\\Microsoft\\Windows\\INetCookies"); }

private:
    static void Set(const std::wstring& path)
    {
        win::unique_hkey key;
        ::RegOpenKeyExW(HKEY_CURRENT_USER,
                        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", 0,
                        KEY_SET_VALUE, key.put());
        ::RegSetValueExW(key.get(), L"Cookies", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                         static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    }
};

TEST_F(HDDCleanTest, TheCookiesFolderIsEmptiedNotRemoved)
{
    const std::wstring profile = UserProfile();
    // A folder of the user's choice, and where the Windows versions keep the cookies.
    const std::wstring cases[] = {
        Folder(L"cookies"),
        profile + L"\\AppData\\Local\\Microsoft\\Windows\\INetCookies",
        profile + L"\\AppData\\Roaming\\Microsoft\\Windows\\Cookies",
        profile + L"\\Cookies",
    };
    FrmHDDCLean& page = Page();
    for (const std::wstring& cookies : cases) {
        SCOPED_TRACE(std::string(cookies.begin(), cookies.end()));
        const int made = ::SHCreateDirectoryExW(nullptr, cookies.c_str(), nullptr);
        ASSERT_TRUE(made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS);
        seam.messages.clear();
        {
            const CookiesFolder setting(cookies);
            const win::unique_hfile held = FillFolder(cookies);
            Click(page.cmdCookies.Hwnd());
            ExpectEmptied(cookies);
        }
        RemoveWhatWasLeft(cookies);
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, L"The cookies have been deleted.");
        EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONINFORMATION));
    }
}

TEST_F(HDDCleanTest, ACookiesFolderThatIsMissingOrHoldsMoreThanCookiesIsLeftAlone)
{
    const std::wstring fonts = WindowsFolder() + L"\\Fonts";
    const std::wstring canary = fonts + L"\\hddclean-canary.txt";
    MakeFile(canary, FILE_ATTRIBUTE_HIDDEN);
    FrmHDDCLean& page = Page();
    {
        const CookiesFolder setting(fonts);
        Click(page.cmdCookies.Hwnd());
    }
    EXPECT_TRUE(Exists(canary));
    ::SetFileAttributesW(canary.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(canary.c_str());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"The cookies folder is set to " + fonts +
                                         L", a folder that holds more than cookies. Nothing has been deleted.");
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));

    // Not found: no folder there, a file in its place (the shell gives its path),
    // or a drive that does not exist. For the last the shell gives no path, and
    // "\" alone would be the root of the current drive, here the throwaway prefix's.
    const std::wstring file = scratch_ + L"\\cookies.txt";
    MakeFile(file);
    wchar_t previous[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryW(L"C:\\windows"));
    MakeFile(L"C:\\hddclean-canary.txt");
    for (const std::wstring& missing : {scratch_ + L"\\missing", file, std::wstring(L"q:\\nowhere\\Cookies")}) {
        SCOPED_TRACE(std::string(missing.begin(), missing.end()));
        seam.messages.clear();
        {
            const CookiesFolder setting(missing);
            Click(page.cmdCookies.Hwnd());
        }
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, L"Cookies folder not found !");
        EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    ::SetCurrentDirectoryW(previous);
    EXPECT_TRUE(Exists(L"C:\\hddclean-canary.txt"));
    ::DeleteFileW(L"C:\\hddclean-canary.txt");
}

} // namespace
