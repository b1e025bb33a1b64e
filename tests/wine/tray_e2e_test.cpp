// The real brvt.exe, minimised and brought back through its notification-area
// icon, and ended from the icon's menu. The icon's messages are what the shell
// sends to the window the icon names; the menu is worked with the keyboard.
#include "shell/Registry.h"
#include "tests/wine/support/RunningProgram.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The hidden box of the hidden tray form that the icon reports to.
HWND IconWindow()
{
    const HWND tray = ::FindWindowW(L"BrvtForm", L"frmTray");
    return tray ? ::FindWindowExW(tray, nullptr, L"BrvtPictureBox", nullptr) : nullptr;
}

void IconMessage(HWND icon, UINT mouseMessage)
{
    ::PostMessageW(icon, WM_MOUSEMOVE, 2, mouseMessage);
}

void PressKey(WORD key)
{
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

bool ShownWithTaskbarButton(HWND hwnd)
{
    return ::IsWindowVisible(hwnd) && (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0;
}

TEST(TrayEndToEnd, MinimisedWindowComesBackFromTheIconAndTheMenuEndsTheProgram)
{
    Registry::SaveString(RegRoot::CurrentUser, SettingsKey, L"lngfile", L"English");
    Program program;
    ASSERT_TRUE(program.Started());
    const HWND main = WaitFor(MainWindowAfterThePass);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([main] { return ReadyForInput(main); }));

    ClickAtScreen(ScreenPointOf(main, 8760 + 97, 120 + 105));
    ASSERT_TRUE(WaitUntil([main] { return !::IsWindowVisible(main); })) << "the minimise picture did not hide the window";
    const HWND icon = IconWindow();
    ASSERT_NE(icon, nullptr);

    IconMessage(icon, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([main] { return ShownWithTaskbarButton(main); })) << "the double click did not bring it back";

    IconMessage(icon, WM_RBUTTONDOWN);
    const HWND menu = WaitFor([] { return VisibleWindow(L"#32768", nullptr); });
    ASSERT_NE(menu, nullptr) << "no menu";
    // The last item is "Exit Brevantor".
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForEnd(exitCode)) << "the menu's exit did not end the program";
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
