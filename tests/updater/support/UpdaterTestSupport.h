#pragma once
// What the update program's tests share: files and folders, the FTP server
// that with-ftp-server.sh runs for each test program, install roots with a
// Skyvell.ini, and a fixture that drives the wizard in this process.
#include "tests/wine/support/TestSupport.h"
#include "ui/win/Handles.h"
#include "updater/frmSkyvell.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace updater_testing {

using IniEntries = std::initializer_list<std::pair<const char*, std::string>>;

void WriteTextFile(const std::wstring& path, std::string_view content);
// The whole file; "<missing>" when there is none.
std::string ReadTextFile(const std::wstring& path);
bool Exists(const std::wstring& path);
// Creates a folder and the folders above it.
void MakeFolders(const std::wstring& folder);
// The names in a folder, sorted, without "." and "..".
std::vector<std::wstring> FolderContent(const std::wstring& folder);
// Writes a [Skyvell] section with the entries, in their order.
void WriteIni(const std::wstring& path, IniEntries entries);

// The server's port and its folder as this process sees it; a test program
// run without with-ftp-server.sh fails here.
unsigned short ServerPort();
std::wstring ServedFolder();
// A file on the server, relative to the account's start folder ("brvt/x.txt").
void Serve(const std::string& remotePath, std::string_view content);
// Empties the server's folder.
void ClearServer();
// Sends a command to the server on a connection of its own and returns
// whether the server took it: the SITE LINK and SITE UNLINK of ftp_server.py.
bool ServerCommand(const std::string& command);

// A scratch install root c:\skyvelltest\<name>: main\ with brvt.exe and the
// installed version, and a Skyvell.ini written by the test.
class InstallRoot {
public:
    explicit InstallRoot(const std::wstring& name, std::string_view installedVersion = "4.0");
    ~InstallRoot();
    InstallRoot(const InstallRoot&) = delete;
    InstallRoot& operator=(const InstallRoot&) = delete;

    const std::wstring& Path() const noexcept { return path_; }
    std::wstring Ini() const { return path_ + L"\\Skyvell.ini"; }
    std::wstring Main() const { return path_ + L"\\main"; }
    std::wstring InMain(const std::wstring& name) const { return Main() + L"\\" + name; }

private:
    std::wstring path_;
};

// A download path in the fixed temporary folder.
std::wstring InTemp(const std::wstring& name);
// Deletes the temporary folder that earlier tests or runs left.
void RemoveTempFolder();

// The install layout that the build made: b:\layout.
std::wstring BuiltLayout();

// A program started for a test, ended by force if the test leaves it running.
class ChildProcess {
public:
    // stopAt names the installation step for SKYVELL_TEST_STOP_AT, if any.
    explicit ChildProcess(const std::wstring& commandLine, const std::wstring& stopAt = L"");
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Id() const noexcept { return id_; }
    // True when it ended within the limit; its exit code in `exitCode`.
    bool WaitForEnd(DWORD& exitCode, DWORD milliseconds = 20000) const;

private:
    win::unique_handle process_;
    DWORD id_ = 0;
};

// The visible top-level form window of a process, or null.
HWND FormOfProcess(DWORD processId);
// The full path of the program a process runs.
std::wstring ProgramOfProcess(DWORD processId);
// The wizard's button whose left edge lies at the given design twips.
HWND WizardButton(HWND wizard, int leftTwips);
inline constexpr int BackLeft = 120;
inline constexpr int NextLeft = 1560;
inline constexpr int CancelLeft = 5520;
// A click posted to a button: it arrives when its program next reads its messages.
void PostClick(HWND button);
// A click on the wizard's button at the given place, through the screen as a user clicks.
void ClickWizardButton(HWND wizard, int leftTwips);

// Drives the wizard in this process against the test's FTP server, with a
// scripted seam and a fresh install root.
class WizardTest : public testing_support::FormTest {
protected:
    WizardTest();
    void SetUp() override;
    void TearDown() override;

    // The wizard, loaded: step 1 shows.
    FrmSkyvell& Wizard();
    // Clicks a button as a user does; a disabled one ignores it.
    static void Press(ui::XpButton& button);
    // From step 1 through the connection into step 4, with its transfer.
    void RunToTheEnd();

    InstallRoot root{L"wizard"};
};

} // namespace updater_testing
