#include "tests/updater/support/UpdaterTestSupport.h"

#include "tests/wine/support/RunningProgram.h"
#include "ui/win/Text.h"
#include "updater/Internet.h"
#include "updater/core/InstallLayout.h"
#include "updater/modInstall.h"

#include <gtest/gtest.h>

#include <psapi.h>

#include <algorithm>
#include <cstdlib>

namespace updater_testing {

namespace {

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = L"";
    const DWORD length = ::GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

std::wstring Parent(const std::wstring& path)
{
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace

void WriteTextFile(const std::wstring& path, std::string_view content)
{
    MakeFolders(Parent(path));
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const win::unique_hfile file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot write " << win::ToAnsi(path);
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr));
}

std::string ReadTextFile(const std::wstring& path)
{
    const win::unique_hfile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return "<missing>";
    std::string content;
    char block[65536];
    DWORD read = 0;
    while (::ReadFile(file.get(), block, sizeof block, &read, nullptr) && read > 0)
        content.append(block, read);
    return content;
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolders(const std::wstring& folder)
{
    if (folder.empty() || Exists(folder))
        return;
    MakeFolders(Parent(folder));
    ::CreateDirectoryW(folder.c_str(), nullptr);
}

std::vector<std::wstring> FolderContent(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const win::unique_hfind search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!search)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (::FindNextFileW(search.get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

void WriteIni(const std::wstring& path, IniEntries entries)
{
    std::string text = "[Skyvell]\r\n";
    for (const auto& [key, value] : entries)
        text += std::string(key) + "=" + value + "\r\n";
    WriteTextFile(path, text);
}

unsigned short ServerPort()
{
    const std::wstring port = Environment(L"BRVT_TEST_FTP_PORT");
    EXPECT_FALSE(port.empty()) << "no FTP server: run the test through with-ftp-server.sh";
    return static_cast<unsigned short>(std::wcstoul(port.c_str(), nullptr, 10));
}

std::wstring ServedFolder()
{
    const std::wstring folder = Environment(L"BRVT_TEST_FTP_FOLDER");
    EXPECT_FALSE(folder.empty()) << "no FTP server: run the test through with-ftp-server.sh";
    return folder;
}

void Serve(const std::string& remotePath, std::string_view content)
{
    std::wstring path = ServedFolder() + L"\\" + win::FromAnsi(remotePath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    WriteTextFile(path, content);
}

void ClearServer()
{
    const std::wstring folder = ServedFolder();
    for (const std::wstring& name : FolderContent(folder)) {
        const std::wstring path = folder + L"\\" + name;
        if (!modInstall::DeleteFolder(path))
            ::DeleteFileW(path.c_str());
    }
}

bool ServerCommand(const std::string& command)
{
    const net::unique_hinternet session(::InternetOpenA("", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    const net::unique_hinternet connection(session ? ::InternetConnectA(session.get(), "127.0.0.1", ServerPort(),
                                                                        "qorud", "wenlorb415", INTERNET_SERVICE_FTP,
                                                                        0, 0)
                                                   : nullptr);
    return connection &&
           ::FtpCommandA(connection.get(), FALSE, FTP_TRANSFER_TYPE_ASCII, command.c_str(), 0, nullptr) != FALSE;
}

InstallRoot::InstallRoot(const std::wstring& name, std::string_view installedVersion)
    : path_(L"c:\\skyvelltest\\" + name)
{
    modInstall::DeleteFolder(path_);
    MakeFolders(path_ + L"\\main");
    WriteTextFile(InMain(L"brvt.exe"), "old program");
    WriteTextFile(InMain(L"brvtupdate.txt"), std::string(installedVersion) + "\r\n");
}

InstallRoot::~InstallRoot()
{
    modInstall::DeleteFolder(path_);
}

std::wstring InTemp(const std::wstring& name)
{
    return std::wstring(TempFolder) + L"\\" + name;
}

void RemoveTempFolder()
{
    modInstall::DeleteFolder(TempFolder);
}

std::wstring BuiltLayout()
{
    return testing_support::FolderOfThisProgram() + L"\\layout";
}

ChildProcess::ChildProcess(const std::wstring& commandLine, const std::wstring& stopAt)
{
    // The child takes a copy of this environment.
    ::SetEnvironmentVariableW(L"SKYVELL_TEST_STOP_AT", stopAt.empty() ? nullptr : stopAt.c_str());
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        process_.reset(started.hProcess);
        id_ = started.dwProcessId;
        ::CloseHandle(started.hThread);
    } else {
        ADD_FAILURE() << "cannot start " << win::ToAnsi(commandLine) << ": error " << ::GetLastError();
    }
    ::SetEnvironmentVariableW(L"SKYVELL_TEST_STOP_AT", nullptr);
}

ChildProcess::~ChildProcess()
{
    if (process_ && ::WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) {
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

bool ChildProcess::WaitForEnd(DWORD& exitCode, DWORD milliseconds) const
{
    if (!process_ || ::WaitForSingleObject(process_.get(), milliseconds) != WAIT_OBJECT_0)
        return false;
    ::GetExitCodeProcess(process_.get(), &exitCode);
    return true;
}

namespace {

struct FormSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindForm(HWND hwnd, LPARAM context)
{
    auto& search = *reinterpret_cast<FormSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    wchar_t name[32] = L"";
    ::GetClassNameW(hwnd, name, 32);
    if (owner == search.processId && ::IsWindowVisible(hwnd) && std::wstring(name) == L"BrvtForm") {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct ButtonSearch {
    HWND wizard;
    int left;
    HWND found;
};

BOOL CALLBACK FindButton(HWND hwnd, LPARAM context)
{
    auto& search = *reinterpret_cast<ButtonSearch*>(context);
    wchar_t name[32] = L"";
    ::GetClassNameW(hwnd, name, 32);
    RECT place;
    ::GetWindowRect(hwnd, &place);
    ::MapWindowPoints(nullptr, search.wizard, reinterpret_cast<POINT*>(&place), 2);
    if (std::wstring(name) == L"BrvtXpButton" && std::abs(place.left - search.left) <= 1) {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FormOfProcess(DWORD processId)
{
    FormSearch search{processId, nullptr};
    ::EnumWindows(FindForm, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ProgramOfProcess(DWORD processId)
{
    const win::unique_handle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    wchar_t path[MAX_PATH] = L"";
    if (process)
        ::GetModuleFileNameExW(process.get(), nullptr, path, MAX_PATH);
    return path;
}

HWND WizardButton(HWND wizard, int leftTwips)
{
    ButtonSearch search{wizard, ui::Form::ToPixels(leftTwips), nullptr};
    ::EnumChildWindows(wizard, FindButton, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PostClick(HWND button)
{
    ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

void ClickWizardButton(HWND wizard, int leftTwips)
{
    ::SetForegroundWindow(wizard);
    // The buttons are 1335 x 375 twips, 3600 twips down the window.
    testing_support::ClickAtScreen(testing_support::ScreenPointOf(wizard, leftTwips + 667, 3600 + 187));
}

WizardTest::WizardTest() = default;

void WizardTest::SetUp()
{
    FormTest::SetUp();
    seam.programFolder = root.Path();
    seam.updateServer = {L"127.0.0.1", ServerPort()};
    RemoveTempFolder();
    ClearServer();
}

void WizardTest::TearDown()
{
    FormTest::TearDown();
    RemoveTempFolder();
}

FrmSkyvell& WizardTest::Wizard()
{
    return frmSkyvell.Get();
}

void WizardTest::Press(ui::XpButton& button)
{
    testing_support::Click(button.Hwnd());
}

void WizardTest::RunToTheEnd()
{
    FrmSkyvell& wizard = Wizard();
    Press(wizard.cmdNext);
    Press(wizard.cmdNext);
    ASSERT_EQ(wizard.lblCaption.Caption(), L"You are connected with the Update-Server");
    Press(wizard.cmdNext);
    ASSERT_EQ(wizard.Step, 4);
}

} // namespace updater_testing
