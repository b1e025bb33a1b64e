// Starts the real program from its install layout and ends it the way a user does.
#include "shell/win/Handles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring FolderOfThisProgram()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.rfind(L'\\'));
}

HWND WaitForMainWindow(DWORD milliseconds)
{
    for (DWORD waited = 0; waited < milliseconds; waited += 100) {
        const HWND hwnd = ::FindWindowW(L"BrvtForm", L"Brevantor");
        if (hwnd && ::IsWindowVisible(hwnd))
            return hwnd;
        ::Sleep(100);
    }
    return nullptr;
}

void ClickAtScreen(POINT point)
{
    ::SetCursorPos(point.x, point.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &inputs[0], sizeof(INPUT));
    ::Sleep(50);
    ::SendInput(1, &inputs[1], sizeof(INPUT));
}

TEST(SmokeTest, StartsBorderlessAndEndsThroughTheClosePicture)
{
    std::wstring commandLine = L"\"" + FolderOfThisProgram() + L"\\layout\\main\\brvt.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                 &started))
        << "error " << ::GetLastError();
    win::unique_handle process(started.hProcess);
    win::unique_handle thread(started.hThread);

    const HWND main = WaitForMainWindow(30000);
    ASSERT_NE(main, nullptr);
    const LONG style = ::GetWindowLongW(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME), 0);

    // The close picture sits at 9000, 120 twips, 210 twips square: its middle in pixels.
    POINT closePicture{(9000 + 105) / 15, (120 + 105) / 15};
    ::ClientToScreen(main, &closePicture);
    ::SetForegroundWindow(main);
    ClickAtScreen(closePicture);

    const DWORD ended = ::WaitForSingleObject(process.get(), 20000);
    if (ended != WAIT_OBJECT_0)
        ::TerminateProcess(process.get(), 1);
    ASSERT_EQ(ended, WAIT_OBJECT_0);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
