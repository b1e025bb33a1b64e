#include "tests/wine/support/TestSupport.h"

#include "shell/TrayIcon.h"
#include "shell/basLAnguageSelector.h"
#include "ui/Form.h"
#include "ui/win/Handles.h"

#include <algorithm>
#include <iterator>

namespace testing_support {

namespace {

LPARAM Centre(HWND hwnd)
{
    RECT client;
    ::GetClientRect(hwnd, &client);
    return MAKELPARAM(client.right / 2, client.bottom / 2);
}

// What the folder-browse dialog is to its callback: a window that takes the
// selection message and keeps the path it names.
constexpr wchar_t FolderDialogStandInClass[] = L"BrvtFolderDialogStandIn";

LRESULT CALLBACK FolderDialogStandIn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BFFM_SETSELECTIONW && wParam) {
        auto* selected = reinterpret_cast<std::wstring*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        *selected = reinterpret_cast<const wchar_t*>(lParam);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

std::wstring SelectionOfCallback(const BROWSEINFOW& request)
{
    if (!request.lpfn)
        return {};
    static const ATOM registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = FolderDialogStandIn;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = FolderDialogStandInClass;
        return ::RegisterClassW(&windowClass);
    }();
    (void)registered;
    const HWND dialog = ::CreateWindowExW(0, FolderDialogStandInClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr);
    std::wstring selected;
    ::SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&selected));
    request.lpfn(dialog, BFFM_INITIALIZED, 0, request.lParam);
    ::DestroyWindow(dialog);
    return selected;
}

} // namespace

int ScriptedSeam::ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style)
{
    messages.push_back({text, title, style, owner});
    if (whileMessageShown)
        whileMessageShown();
    if (messageAnswers.empty())
        return IDOK;
    const int answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

bool ScriptedSeam::ShowFileDialog(HWND owner, effects::FileDialogRequest& request)
{
    dialogs.push_back(request);
    dialogOwners.push_back(owner);
    if (dialogAnswers.empty())
        return false;
    const std::wstring answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    if (answer.empty())
        return false;
    request.fileName = answer;
    return true;
}

void ScriptedSeam::ShellExecute(HWND owner, const std::wstring& file)
{
    starts.push_back({owner, file});
    if (runPrograms)
        effects::Seam::ShellExecute(owner, file);
}

void ScriptedSeam::StartProcess(const std::wstring& path)
{
    processes.push_back(path);
}

bool ScriptedSeam::RunProgram(const effects::Command& command, WORD showWindow)
{
    commands.push_back({command, showWindow});
    return !runPrograms || effects::Seam::RunProgram(command, showWindow);
}

effects::ServerAddress ScriptedSeam::UpdateServer()
{
    return updateServer;
}

std::wstring ScriptedSeam::ProgramFolder()
{
    return programFolder.empty() ? effects::Seam::ProgramFolder() : programFolder;
}

void ScriptedSeam::EndProgram(UINT exitCode)
{
    ADD_FAILURE() << "the program ended with exit code " << exitCode;
    ::ExitProcess(exitCode);
}

std::vector<effects::Drive> ScriptedSeam::Drives()
{
    return drives;
}

bool ScriptedSeam::MemoryStatus(MEMORYSTATUSEX& status)
{
    if (!memory)
        return effects::Seam::MemoryStatus(status);
    status = *memory;
    return true;
}

bool ScriptedSeam::EndSession(UINT flags)
{
    sessionEnds.push_back(flags);
    return sessionEndAccepted;
}

effects::ServerAddress ScriptedSeam::TimeServer()
{
    return timeServer;
}

bool ScriptedSeam::SetSystemTime(const SYSTEMTIME& utc)
{
    systemTimes.push_back(utc);
    return !refuseSystemTime;
}

PIDLIST_ABSOLUTE ScriptedSeam::BrowseForFolder(BROWSEINFOW& request)
{
    folderBrowses.push_back({request.hwndOwner, request.lpszTitle ? request.lpszTitle : L"", request.ulFlags,
                             SelectionOfCallback(request)});
    if (folderAnswers.empty())
        return nullptr;
    const std::wstring answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer.empty() ? nullptr : ::ILCreateFromPathW(answer.c_str());
}

std::optional<DWORD> ScriptedSeam::RunProgramToEnd(const effects::Command& command, WORD showWindow,
                                                   DWORD milliseconds)
{
    commands.push_back({command, showWindow});
    if (whileProgramRuns)
        whileProgramRuns(command);
    if (runPrograms)
        return effects::Seam::RunProgramToEnd(command, showWindow, milliseconds);
    return programExitCode;
}

void FormTest::SetUp()
{
    effects::Install(&seam);
}

void FormTest::TearDown()
{
    auto& forms = ui::FormCollection::Instance();
    while (!forms.Loaded().empty())
        forms.Loaded().front()->Unload();
    PumpMessages();
    // A language pass of one test leaves no language to the next.
    basLAnguageSelector::SetCurrentLanguage(L"");
    effects::Install(nullptr);
}

void MouseDown(HWND hwnd, UINT message)
{
    const WPARAM keys = message == WM_RBUTTONDOWN ? MK_RBUTTON : message == WM_MBUTTONDOWN ? MK_MBUTTON : MK_LBUTTON;
    ::SendMessageW(hwnd, message, keys, Centre(hwnd));
}

void MouseUp(HWND hwnd, UINT message)
{
    ::SendMessageW(hwnd, message, 0, Centre(hwnd));
}

void Click(HWND hwnd)
{
    MouseDown(hwnd);
    MouseUp(hwnd);
}

void PressKey(HWND hwnd, WPARAM key)
{
    ::SetFocus(hwnd);
    ::SendMessageW(hwnd, WM_KEYDOWN, key, 1);
    ::SendMessageW(hwnd, WM_CHAR, key, 1);
    ::SendMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
}

HWND CreatePlainWindow(DWORD exStyle, DWORD style, const RECT& bounds, const wchar_t* title)
{
    static const wchar_t* const className = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BrvtTestPlainWindow";
        ::RegisterClassW(&wc);
        return wc.lpszClassName;
    }();
    return ::CreateWindowExW(exStyle, className, title, style, bounds.left, bounds.top, bounds.right - bounds.left,
                             bounds.bottom - bounds.top, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        const DWORD waited = ::GetTickCount() - start;
        if (waited >= milliseconds)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(milliseconds - waited, 50), QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

void KeepNotificationAreaUp()
{
    static const bool kept = [] {
        const HWND owner = ::CreateWindowExW(0, L"STATIC", L"keeper", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        TrayIconData icon = MakeTrayIconData(owner, 99, ::LoadIconW(nullptr, IDI_APPLICATION), L"keeper");
        return ::Shell_NotifyIconA(NIM_ADD, &icon) != FALSE;
    }();
    (void)kept;
}

void DeleteRegistryTree(HKEY root, const std::wstring& path)
{
    for (int guard = 0; guard < 64; ++guard) {
        win::unique_hkey key;
        if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
            key.release();
            break;
        }
        wchar_t name[256];
        DWORD length = static_cast<DWORD>(std::size(name));
        if (::RegEnumKeyExW(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        key.reset();
        DeleteRegistryTree(root, path + L"\\" + name);
    }
    ::RegDeleteKeyW(root, path.c_str());
}

COLORREF PixelOf(HWND hwnd, int x, int y)
{
    RECT client;
    ::GetClientRect(hwnd, &client);
    win::WindowDC screen(hwnd);
    win::unique_hdc memory(::CreateCompatibleDC(screen.get()));
    win::unique_hbitmap bitmap(::CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    win::SelectedObject selected(memory.get(), bitmap.get());
    ::SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT | PRF_ERASEBKGND);
    return ::GetPixel(memory.get(), x, y);
}

std::wstring TestProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring file(path, length);
    return file.substr(0, file.rfind(L'\\'));
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    win::unique_hfind find(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (find) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            const DWORD attributes = entry.dwFileAttributes;
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileW(path.c_str());
            else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
                ::RemoveDirectoryW(path.c_str());
            else
                RemoveTree(path);
        } while (::FindNextFileW(find.get(), &entry));
    }
    find.reset();
    ::RemoveDirectoryW(folder.c_str());
}

} // namespace testing_support
