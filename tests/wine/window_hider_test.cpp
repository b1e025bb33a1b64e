// The window hider with windows of the test's own: picking by dragging from
// the picker, hiding into the notification-area icon, the icon's double click
// and menu, releasing, a second window, a restarted shell and the exit.
#include "pages/utilities/frmHide.h"
#include "pages/utilities/modHider.h"

#include "shell/modBeenden.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;
using testing_support::MouseDown;
using testing_support::MouseUp;

namespace {

using modHider::state;

// A visible top-level window with a button in it, the topmost at its place.
class TestWindow {
public:
    TestWindow(const wchar_t* title, int left, int top)
    {
        hwnd_ = testing_support::CreatePlainWindow(WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE | WS_BORDER,
                                                   {left, top, left + 240, top + 160}, title);
        child_ = ::CreateWindowExW(0, L"BUTTON", L"inside", WS_CHILD | WS_VISIBLE, 40, 40, 120, 60, hwnd_, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
        testing_support::PumpMessages();
    }
    ~TestWindow() { ::DestroyWindow(hwnd_); }

    HWND Hwnd() const { return hwnd_; }
    HWND Child() const { return child_; }
    bool Visible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
    POINT ChildCentre() const
    {
        RECT place;
        ::GetWindowRect(child_, &place);
        return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    }

private:
    HWND hwnd_ = nullptr;
    HWND child_ = nullptr;
};

// What LookAtMenuAndCloseIt saw of the popup menu.
std::vector<std::wstring> seenMenuItems;
UINT seenDefaultItem;

// A timer that the menu's modal loop runs: reads the open popup menu, then closes it.
void CALLBACK LookAtMenuAndCloseIt(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND menuWindow = ::FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !::IsWindowVisible(menuWindow) || !seenMenuItems.empty())
        return;
    const auto menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = L"";
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        seenMenuItems.emplace_back(text);
    }
    seenDefaultItem = ::GetMenuDefaultItem(menu, TRUE, 0);
    ::EndMenu();
}


class WindowHiderTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        testing_support::KeepNotificationAreaUp();
        state = {};
    }
    FrmHide& Page() { return frmHide.Get(); }
    // The page with the test's window hidden by it.
    FrmHide& HiddenPage()
    {
        FrmHide& page = Page();
        Hide(page, window);
        return page;
    }
    // A drag from the picker to the point, as the user makes it.
    void DragPickerTo(FrmHide& page, POINT to)
    {
        MouseDown(page.Picture1.Hwnd());
        EXPECT_TRUE(state.picking);
        ::SetCursorPos(to.x, to.y);
        ::SendMessageW(page.Picture1.Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(400, 300));
        MouseUp(page.Picture1.Hwnd());
        EXPECT_FALSE(state.picking);
    }
    void Hide(FrmHide& page, const TestWindow& target)
    {
        DragPickerTo(page, target.ChildCentre());
        Click(page.cmdTray.Hwnd());
    }
    // What the icon sends: its identifier and the mouse message, the cursor where it is.
    void IconMessage(FrmHide& page, UINT mouseMessage)
    {
        ::SendMessageW(page.Hwnd(), WM_MOUSEMOVE, modHider::HiderIconId, mouseMessage);
    }
    bool Subclassed(const FrmHide& page) const
    {
        return ::GetWindowLongPtrW(page.Hwnd(), GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&modHider::WindowProc);
    }
    // Whether the shell holds the hider's icon: only an icon it holds can be changed.
    bool IconPresent() const
    {
        TrayIconData probe = state.iconRecord;
        probe.uFlags = NIF_TIP;
        return ::Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
    }

    TestWindow window{L"Hider Test Window", 700, 500};
};

TEST_F(WindowHiderTest, DraggingOverAChildPicksItsTopVisibleAncestor)
{
    FrmHide& page = Page();
    EXPECT_EQ(modHider::GetTopVisibleParent(window.Child()), window.Hwnd());
    EXPECT_EQ(modHider::GetTopVisibleParent(window.Hwnd()), window.Hwnd());

    DragPickerTo(page, window.ChildCentre());
    EXPECT_EQ(state.pickedWindow, window.Hwnd());
    const std::wstring caption = L"Window-Handle: " + std::to_wstring(reinterpret_cast<std::uintptr_t>(window.Hwnd()));
    EXPECT_EQ(page.Caption(), caption);
    EXPECT_EQ(page.lblInfo.Caption(), caption);
    // The picker is back in its box, and nothing is hidden yet.
    EXPECT_NE(page.Picture1.Picture(), nullptr);
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(state.hiddenWindow, nullptr);
}

TEST_F(WindowHiderTest, HidingPutsTheWindowBehindAnIconWithItsTitle)
{
    FrmHide& page = HiddenPage();

    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(state.hiddenWindow, window.Hwnd());
    EXPECT_TRUE(Subclassed(page));
    EXPECT_EQ(page.MenuItemCaption(0), L"Show Window");
    EXPECT_EQ(page.MenuItemCaption(1), L"Release Window");

    const TrayIconData& icon = state.iconRecord;
    EXPECT_EQ(icon.hWnd, page.Hwnd());
    EXPECT_EQ(icon.uID, 1u);
    EXPECT_EQ(icon.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(icon.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_NE(icon.hIcon, nullptr);
    EXPECT_STREQ(icon.szTip, "Window-Handle: Hider Test Window");
    EXPECT_TRUE(IconPresent());
    // The saved place is the window's own.
    EXPECT_EQ(state.savedWindowRect.left, 700);
    EXPECT_EQ(state.savedWindowRect.top, 500);

    // A second press on the same window does nothing.
    Click(page.cmdTray.Hwnd());
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(page.MenuItemCaption(0), L"Show Window");
}

TEST_F(WindowHiderTest, TheIconsDoubleClickAndMenuItemShowAndHideTheWindow)
{
    FrmHide& page = HiddenPage();

    IconMessage(page, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(page.MenuItemCaption(0), L"Hide Window");
    IconMessage(page, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(window.Visible());

    page.mnuPopupItems_Click(0);
    EXPECT_TRUE(window.Visible());
    page.mnuPopupItems_Click(0);
    EXPECT_FALSE(window.Visible());

    // Other mouse messages of the icon do nothing.
    for (const UINT other : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, WM_RBUTTONDOWN})
        IconMessage(page, other);
    EXPECT_FALSE(window.Visible());

    // With a taskbar along the bottom, only a cursor at its height counts.
    state.startButtonRect = RECT{0, 900, 60, 930};
    ::SetCursorPos(30, 400);
    IconMessage(page, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(window.Visible());
    ::SetCursorPos(30, 915);
    IconMessage(page, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(window.Visible());
}

TEST_F(WindowHiderTest, TheIconsRightClickOpensItsMenuWithShowAsTheDefault)
{
    FrmHide& page = HiddenPage();

    seenMenuItems.clear();
    seenDefaultItem = static_cast<UINT>(-1);
    const UINT_PTR look = ::SetTimer(nullptr, 0, 20, LookAtMenuAndCloseIt);
    IconMessage(page, WM_RBUTTONUP);
    ::KillTimer(nullptr, look);

    EXPECT_EQ(seenMenuItems, (std::vector<std::wstring>{L"Show Window", L"Release Window"}));
    EXPECT_EQ(seenDefaultItem, 0u);
    // Closing the menu chose nothing.
    EXPECT_FALSE(window.Visible());
}

TEST_F(WindowHiderTest, ReleaseShowsTheWindowRemovesTheIconAndTheSubclass)
{
    FrmHide& page = Page();
    const LONG_PTR procedure = ::GetWindowLongPtrW(page.Hwnd(), GWLP_WNDPROC);

    // Through the button, then through the menu's second item.
    for (const bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu);
        Hide(page, window);
        ASSERT_FALSE(window.Visible());
        if (byMenu)
            page.mnuPopupItems_Click(1);
        else
            Click(page.cmdRelease.Hwnd());
        EXPECT_TRUE(window.Visible());
        EXPECT_EQ(::GetWindowLongPtrW(page.Hwnd(), GWLP_WNDPROC), procedure);
        EXPECT_FALSE(IconPresent());
        EXPECT_EQ(state.hiddenWindow, nullptr);
        EXPECT_EQ(state.savedWindowProc, nullptr);
        // Picked again, for the next round.
        state.pickedWindow = nullptr;
    }
}

TEST_F(WindowHiderTest, WithNothingPickedOrHiddenTheButtonsDoNothing)
{
    FrmHide& page = Page();
    const LONG_PTR procedure = ::GetWindowLongPtrW(page.Hwnd(), GWLP_WNDPROC);
    Click(page.cmdTray.Hwnd());
    EXPECT_EQ(state.hiddenWindow, nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(page.Hwnd(), GWLP_WNDPROC), procedure);
    Click(page.cmdRelease.Hwnd());
    EXPECT_EQ(::GetWindowLongPtrW(page.Hwnd(), GWLP_WNDPROC), procedure);
    EXPECT_TRUE(window.Visible());
}

TEST_F(WindowHiderTest, HidingASecondWindowReleasesTheFirst)
{
    TestWindow second(L"Second Window", 300, 200);
    FrmHide& page = HiddenPage();
    ASSERT_FALSE(window.Visible());

    Hide(page, second);
    EXPECT_TRUE(window.Visible());
    EXPECT_FALSE(second.Visible());
    EXPECT_EQ(state.hiddenWindow, second.Hwnd());
    EXPECT_STREQ(state.iconRecord.szTip, "Window-Handle: Second Window");
    EXPECT_TRUE(IconPresent());
    EXPECT_TRUE(Subclassed(page));
}

TEST_F(WindowHiderTest, ANewShellGetsTheIconAgain)
{
    HiddenPage();
    // The old shell took its icons with it.
    TrayIconData gone = state.iconRecord;
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &gone));

    // A new one tells every top-level window, hidden ones too.
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, TaskbarCreatedMessage(), 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    EXPECT_TRUE(IconPresent());
    EXPECT_FALSE(window.Visible());
}

TEST_F(WindowHiderTest, ExitShowsTheHiddenWindowAgain)
{
    HiddenPage();
    ASSERT_FALSE(window.Visible());

    modBeenden::UnloadAllForms();
    EXPECT_FALSE(frmHide.IsLoaded());
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(state.hiddenWindow, nullptr);
    EXPECT_FALSE(IconPresent());
}

} // namespace
