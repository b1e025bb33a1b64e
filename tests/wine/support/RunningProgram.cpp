#include "tests/wine/support/RunningProgram.h"

#include <gtest/gtest.h>

namespace testing_support {

std::wstring FolderOfThisProgram()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.rfind(L'\\'));
}

HWND WaitFor(const std::function<HWND()>& found, DWORD milliseconds)
{
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        if (const HWND hwnd = found())
            return hwnd;
        ::Sleep(50);
    }
    return nullptr;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds)
{
    return WaitFor([&condition] { return condition() ? ::GetDesktopWindow() : nullptr; }, milliseconds) != nullptr;
}

HWND VisibleWindow(const wchar_t* className, const wchar_t* title)
{
    const HWND hwnd = ::FindWindowW(className, title);
    return hwnd && ::IsWindowVisible(hwnd) ? hwnd : nullptr;
}

void ClickAtScreen(POINT point)
{
    // Each event carries its own position: a pointer move that the X server
    // reports late cannot move the press or the release elsewhere.
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((point.x * 65536 + width / 2) / width);
    input.mi.dy = static_cast<LONG>((point.y * 65536 + height / 2) / height);
    for (const DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
        ::SendInput(1, &input, sizeof(INPUT));
        if (button == MOUSEEVENTF_LEFTDOWN)
            ::Sleep(50);
    }
}

POINT ScreenPointOf(HWND hwnd, int xTwips, int yTwips)
{
    POINT point{xTwips / 15, yTwips / 15};
    ::ClientToScreen(hwnd, &point);
    return point;
}

Program::Program()
{
    std::wstring commandLine = L"\"" + FolderOfThisProgram() + L"\\layout\\main\\brvt.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // On a machine short of resources Wine can fail to start a process with
    // an internal error; a second attempt finds it able again.
    DWORD error = ERROR_INTERNAL_ERROR;
    for (int attempt = 0; attempt < 3 && error == ERROR_INTERNAL_ERROR; ++attempt) {
        if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &started)) {
            process_.reset(started.hProcess);
            ::CloseHandle(started.hThread);
            return;
        }
        error = ::GetLastError();
    }
    ADD_FAILURE() << "cannot start brvt.exe: error " << error;
}

Program::~Program()
{
    if (process_ && ::WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) {
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

bool Program::WaitForEnd(DWORD& exitCode) const
{
    if (::WaitForSingleObject(process_.get(), WaitLimitMs) != WAIT_OBJECT_0)
        return false;
    ::GetExitCodeProcess(process_.get(), &exitCode);
    return true;
}

bool ReadyForInput(HWND window)
{
    if (!::IsWindowVisible(window) || !::IsWindowEnabled(window) || ::GetForegroundWindow() != window)
        return false;
    // Answered only once its thread is back in its message loop, past what it was doing.
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, WaitLimitMs, &answer) != 0;
}

HWND MainWindowAfterThePass()
{
    if (::FindWindowW(L"BrvtForm", DialogCaption) || ::FindWindowW(L"BrvtForm", L"Loading..."))
        return nullptr;
    return VisibleWindow(L"BrvtForm", L"Brevantor");
}

void CloseThroughTheClosePicture(const Program& program, HWND main)
{
    ASSERT_TRUE(WaitUntil([main] { return ReadyForInput(main); })) << "the main window never took the input";
    ClickAtScreen(ScreenPointOf(main, 9000 + 105, 120 + 105));
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForEnd(exitCode)) << "the close picture did not end the program";
    EXPECT_EQ(exitCode, 0u);
}

} // namespace testing_support
