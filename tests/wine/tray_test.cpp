// The notification-area icon and its menu, driven as the shell drives them:
// the icon's mouse messages arrive at the hidden picture box.
#include "pages/system/frmMonitor.h"
#include "pages/system/frmRamCleaner.h"
#include "shell/Registry.h"
#include "shell/frmMain.h"
#include "shell/frmTray.h"
#include "shell/modTaskbar.h"
#include "tests/wine/support/TestSupport.h"
#include "ui/SystemFolders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using testing_support::FormTest;

namespace {

// What the shell sends for a mouse event on the menu icon.
void IconMessage(UINT mouseMessage)
{
    ::SendMessageW(frmTray->Picture1.Hwnd(), TrayCallbackMessage, 2, mouseMessage);
}

// True when the shell holds the menu icon: only a known icon can be modified.
bool ShellHoldsTheIcon()
{
    TrayIconData data = frmTray->IconData();
    return ::Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool ShownWithTaskbarButton(HWND hwnd)
{
    return ::IsWindowVisible(hwnd) && (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0;
}

// Reads the menu that is open, then closes it; runs inside the menu's own loop.
std::vector<std::wstring> openedMenu;
void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND menuWindow = ::FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !::IsWindowVisible(menuWindow))
        return;
    ::KillTimer(nullptr, timer);
    const auto menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int item = 0; item < ::GetMenuItemCount(menu); ++item) {
        wchar_t text[64] = L"";
        ::GetMenuStringW(menu, static_cast<UINT>(item), text, 64, MF_BYPOSITION);
        const UINT state = ::GetMenuState(menu, static_cast<UINT>(item), MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            openedMenu.push_back(L"-");
            continue;
        }
        openedMenu.push_back(text);
        EXPECT_EQ(state & (MF_CHECKED | MF_GRAYED | MF_DISABLED), 0u) << "item " << item;
    }
    ::EndMenu();
}

class TrayTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        testing_support::KeepNotificationAreaUp();
        // Loading the main window loads the tray form, as at start-up.
        frmMain->Show();
    }
};

TEST_F(TrayTest, IconRecordIsTheSystemsFirstLayoutWithThePaddedTip)
{
    ASSERT_TRUE(frmTray.IsLoaded());
    const TrayIconData& data = frmTray->IconData();
    EXPECT_EQ(data.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
    EXPECT_EQ(data.hWnd, frmTray->Picture1.Hwnd());
    EXPECT_EQ(data.uID, 2u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 512u);
    EXPECT_NE(data.hIcon, nullptr);
    EXPECT_EQ(std::memcmp(data.szTip, "Brevantor\0", 10), 0);
    for (size_t i = 10; i < sizeof data.szTip; ++i)
        ASSERT_EQ(data.szTip[i], ' ') << i;
    EXPECT_FALSE(frmTray->Visible()) << "the form is never shown";
}

TEST_F(TrayTest, IconStaysFromLoadToUnloadAndComesBackAfterTheShellRestarts)
{
    EXPECT_TRUE(ShellHoldsTheIcon());

    // A restarted shell has lost every icon and tells every top-level window so.
    TrayIconData data = frmTray->IconData();
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &data));
    EXPECT_FALSE(ShellHoldsTheIcon());
    ASSERT_EQ(::GetAncestor(frmTray->Hwnd(), GA_PARENT), ::GetDesktopWindow()) << "broadcasts reach only top-level windows";
    ::SendMessageW(frmTray->Hwnd(), TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(ShellHoldsTheIcon());

    data = frmTray->IconData();
    frmTray->Unload();
    EXPECT_FALSE(::Shell_NotifyIconA(NIM_MODIFY, &data)) << "the icon is gone with its form";
}

TEST_F(TrayTest, SecondaryButtonOpensTheMenuAndOtherMouseEventsDoNothing)
{
    modTaskbar::ShowInTaskbar(frmMain->Hwnd(), false);
    frmMain->Hide();
    for (const UINT ignored : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONDOWN}) {
        IconMessage(ignored);
        EXPECT_FALSE(::IsWindowVisible(frmMain->Hwnd())) << std::hex << ignored;
    }

    openedMenu.clear();
    ::SetTimer(nullptr, 0, 20, ReadAndCloseMenu);
    IconMessage(WM_RBUTTONDOWN);
    const std::vector<std::wstring> expected{L"Open Brevantor", L"-",      L"Task-Manager", L"CPU-Monitoring",
                                             L"Optimize RAM!",  L"-",      L"Logoff",       L"Shutdown",
                                             L"Reboot",         L"-",      L"Exit Brevantor"};
    EXPECT_EQ(openedMenu, expected);
    EXPECT_FALSE(::IsWindowVisible(frmMain->Hwnd())) << "closing the menu chooses nothing";
}

TEST_F(TrayTest, DoubleClickAndOpenBringTheMainWindowBackWithItsTaskbarButton)
{
    for (const UINT item : {0u, static_cast<UINT>(FrmTray::mnuOpen)}) {
        modTaskbar::ShowInTaskbar(frmMain->Hwnd(), false);
        frmMain->Hide();
        if (item)
            frmTray->MenuCommand(item);
        else
            IconMessage(WM_LBUTTONDBLCLK);
        EXPECT_TRUE(ShownWithTaskbarButton(frmMain->Hwnd())) << item;
    }
    // Already shown: it stays shown, with its button.
    IconMessage(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(ShownWithTaskbarButton(frmMain->Hwnd()));
}

TEST_F(TrayTest, TaskManagerStartsFromTheSystemFolderByShellOpen)
{
    frmTray->MenuCommand(FrmTray::mnuTask);
    ASSERT_EQ(seam.starts.size(), 1u);
    EXPECT_EQ(seam.starts[0].file, systemfolders::InSystem(L"taskmgr.exe"));
    EXPECT_EQ(seam.starts[0].owner, frmTray->Hwnd());
}

TEST_F(TrayTest, CpuMonitoringShowsClosesAndShowsAFreshMonitor)
{
    Registry::DeleteValue(RegRoot::CurrentUser, SettingsKey, L"Trans");
    frmTray->MenuCommand(FrmTray::mnuCPU);
    ASSERT_TRUE(frmMonitor.IsLoaded());
    EXPECT_TRUE(frmMonitor->Visible());
    frmMonitor->HScroll1.SetValue(120);

    frmTray->MenuCommand(FrmTray::mnuCPU);
    EXPECT_FALSE(frmMonitor.IsLoaded());
    EXPECT_EQ(Registry::GetString(RegRoot::CurrentUser, SettingsKey, L"Trans", L""), L"120");

    frmTray->MenuCommand(FrmTray::mnuCPU);
    ASSERT_TRUE(frmMonitor.IsLoaded());
    EXPECT_TRUE(frmMonitor->Visible());
    EXPECT_EQ(frmMonitor->HScroll1.Value(), 120) << "loaded anew, with the stored opacity";
    Registry::DeleteValue(RegRoot::CurrentUser, SettingsKey, L"Trans");
}

TEST_F(TrayTest, OptimizeRamWhileMinimisedBringsThePageAndTheWindowBackThenCleans)
{
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    memory.ullTotalPhys = 6 * 1024 * 1024;
    memory.ullAvailPhys = 3 * 1024 * 1024;
    seam.memory = memory;
    modTaskbar::ShowInTaskbar(frmMain->Hwnd(), false);
    frmMain->Hide();

    bool pageAndWindowFirst = false;
    frmRamCleaner->TimerBarRam.onTimer = [&] {
        const HWND container = frmMain->picContainerMain.Hwnd();
        pageAndWindowFirst = frmRamCleaner->Cleaning() && ShownWithTaskbarButton(frmMain->Hwnd()) &&
                             ::GetWindow(container, GW_CHILD) == frmRamCleaner->fraRam.Hwnd();
    };
    // A tick waits for the cleaning's first yield.
    ::PostMessageW(frmRamCleaner->TimerBarRam.Hwnd(), WM_TIMER, 1, 0);
    frmTray->MenuCommand(FrmTray::mnuClean);
    EXPECT_TRUE(pageAndWindowFirst);
    EXPECT_EQ(frmRamCleaner->Label1.Caption(), L"3 MB") << "the cleaning ran";
    EXPECT_FALSE(frmRamCleaner->Cleaning());
}

TEST_F(TrayTest, SessionItemsAskWindowsOnceThePrivilegeIsThere)
{
    ASSERT_TRUE(FrmTray::IsWindowsNT());
    frmTray->MenuCommand(FrmTray::mnuLogoff);
    frmTray->MenuCommand(FrmTray::mnuShutdown);
    frmTray->MenuCommand(FrmTray::mnuReboot);
    EXPECT_EQ(seam.sessionEnds, (std::vector<UINT>{EWX_LOGOFF, EWX_SHUTDOWN, EWX_REBOOT}));

    seam.sessionEndAccepted = false;
    EXPECT_FALSE(frmTray->RebootSystem(EWX_LOGOFF));
    EXPECT_TRUE(frmMain->Visible()) << "a refusal changes nothing";
}

TEST_F(TrayTest, ExitUnloadsEveryFormAndRemovesTheIcon)
{
    frmRamCleaner.Get();
    TrayIconData data = frmTray->IconData();
    frmTray->MenuCommand(FrmTray::mnuExit);
    EXPECT_TRUE(ui::FormCollection::Instance().Loaded().empty());
    EXPECT_FALSE(::Shell_NotifyIconA(NIM_MODIFY, &data));
}

} // namespace
