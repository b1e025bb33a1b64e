#include "ui/Effects.h"

#include "ui/SystemFolders.h"
#include "ui/core/CommandLine.h"
#include "ui/core/Product.h"
#include "ui/modWindow.h"
#include "ui/win/Handles.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cwchar>
#include <iterator>
#include <vector>

namespace effects {

namespace {

Seam realSeam;
Seam* installed = nullptr;

constexpr wchar_t UpdateServerHost[] = L"update.qorsoft.example";
// A public server of the TIME protocol (RFC 868).
constexpr wchar_t TimeServerHost[] = L"time.nist.gov";

// "a|b|c|d" becomes the NUL-separated, double-NUL-terminated list that the dialog wants.
std::vector<wchar_t> DialogFilter(const std::wstring& filter)
{
    std::vector<wchar_t> result(filter.begin(), filter.end());
    for (wchar_t& c : result)
        if (c == L'|')
            c = L'\0';
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

// Starts a program named by its full path, shown with `showWindow`; its process handle.
win::unique_handle Start(const Command& command, WORD showWindow)
{
    if (!commandline::IsFullPath(command.program))
        return {};
    std::wstring line = commandline::Line(command.program, command.arguments);
    const std::wstring folder = systemfolders::System();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindow;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(command.program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &started))
        return {};
    ::CloseHandle(started.hThread);
    return win::unique_handle(started.hProcess);
}

} // namespace

int Seam::ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style)
{
    return ::MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

bool Seam::ShowFileDialog(HWND owner, FileDialogRequest& request)
{
    std::vector<wchar_t> fileBuffer(32768, L'\0');
    request.fileName.copy(fileBuffer.data(), fileBuffer.size() - 1);
    const std::vector<wchar_t> filter = DialogFilter(request.filter);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.data();
    ofn.lpstrFile = fileBuffer.data();
    ofn.nMaxFile = static_cast<DWORD>(fileBuffer.size());
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.Flags = request.flags | OFN_EXPLORER;
    const BOOL chosen = request.save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
    if (!chosen)
        return false;
    request.fileName = fileBuffer.data();
    return true;
}

void Seam::ShellExecute(HWND owner, const std::wstring& file)
{
    const std::wstring folder = systemfolders::System();
    ::ShellExecuteW(owner, nullptr, file.c_str(), nullptr, folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
}

void Seam::StartProcess(const std::wstring& path)
{
    Start({path, L""}, SW_SHOWNORMAL);
}

bool Seam::RunProgram(const Command& command, WORD showWindow)
{
    return static_cast<bool>(Start(command, showWindow));
}

ServerAddress Seam::UpdateServer()
{
    return {UpdateServerHost, 0};
}

std::wstring Seam::ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos)
        return path;
    // Keep the backslash of a drive root ("C:\"), as the system reports it.
    return path.substr(0, slash == 2 && path[1] == L':' ? slash + 1 : slash);
}

void Seam::EndProgram(UINT exitCode)
{
    ::ExitProcess(exitCode);
}

std::vector<Drive> Seam::Drives()
{
    std::vector<Drive> drives;
    wchar_t roots[26 * 4 + 1] = L"";
    const DWORD length = ::GetLogicalDriveStringsW(static_cast<DWORD>(std::size(roots)), roots);
    if (length == 0 || length >= std::size(roots))
        return drives;
    for (const wchar_t* root = roots; *root; root += std::wcslen(root) + 1)
        drives.push_back({root, ::GetDriveTypeW(root)});
    return drives;
}

bool Seam::MemoryStatus(MEMORYSTATUSEX& status)
{
    status.dwLength = sizeof status;
    return ::GlobalMemoryStatusEx(&status) != FALSE;
}

bool Seam::EndSession(UINT flags)
{
    return ::ExitWindowsEx(flags, 0) != FALSE;
}

ServerAddress Seam::TimeServer()
{
    return {TimeServerHost, 37};
}

bool Seam::SetSystemTime(const SYSTEMTIME& utc)
{
    return ::SetSystemTime(&utc) != FALSE;
}

PIDLIST_ABSOLUTE Seam::BrowseForFolder(BROWSEINFOW& request)
{
    // The dialog's folder views are COM objects.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&request);
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return chosen;
}

std::optional<DWORD> Seam::RunProgramToEnd(const Command& command, WORD showWindow, DWORD milliseconds)
{
    const win::unique_handle process = Start(command, showWindow);
    if (!process)
        return std::nullopt;
    // Only sent messages are handled while waiting: a program that broadcasts
    // to every window must not hang on this one, and no click of the user runs.
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD elapsed = ::GetTickCount() - start;
        const DWORD left = elapsed < milliseconds ? milliseconds - elapsed : 0;
        const HANDLE handles[] = {process.get()};
        const DWORD woken = ::MsgWaitForMultipleObjects(1, handles, FALSE, left, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0)
            break;
        if (woken != WAIT_OBJECT_0 + 1)
            return std::nullopt;
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    DWORD exitCode = 0;
    if (!::GetExitCodeProcess(process.get(), &exitCode))
        return std::nullopt;
    return exitCode;
}

Seam& Current()
{
    return installed ? *installed : realSeam;
}

void Install(Seam* seam)
{
    installed = seam;
}

} // namespace effects

int MsgBox(const std::wstring& text, UINT style, const std::wstring& title)
{
    return effects::Current().ShowMessageBox(modWindow::DialogOwner(nullptr), text, title.empty() ? product::Title : title, style);
}
