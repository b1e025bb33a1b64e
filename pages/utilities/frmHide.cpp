#include "pages/utilities/frmHide.h"

#include "pages/utilities/UtilityPictures.h"
#include "pages/utilities/modHider.h"
#include "shell/MenuPage.h"

#include <cstdint>

ui::FormRef<FrmHide> frmHide;

namespace {

using modHider::state;

constexpr wchar_t ShowWindowCaption[] = L"Show Window";
constexpr wchar_t HideWindowCaption[] = L"Hide Window";
constexpr wchar_t ReleaseWindowCaption[] = L"Release Window";
// Menu command of item i: i + 1, so that 0 stays "nothing chosen".
constexpr UINT FirstMenuCommand = 1;

std::wstring HandleCaption(HWND hwnd)
{
    return L"Window-Handle: " + std::to_wstring(reinterpret_cast<std::uintptr_t>(hwnd));
}

} // namespace

FrmHide::FrmHide() : PageForm(L"frmHide") {}

ui::FormStyle FrmHide::Style() const
{
    ui::FormStyle style = PageForm::Style();
    style.style = WS_POPUP;
    style.ownedByApplication = true;
    style.icon = utilitypictures::HiderIcon(::GetSystemMetrics(SM_CXSMICON));
    return style;
}

void FrmHide::CreateControls()
{
    Place({
        PageFrameRow(fraHider),
        {picLogo, &fraHider, {2040, 240, 2700, 795}},
        {sevFrame1, &fraHider, {120, 1200, 5775, 3135}, L"", L"Window-Hider "},
        {Label5, &sevFrame1, {240, 360, 5295, 855}, L"2460", L"."},
        {Picture1, &sevFrame1, {240, 1440, 510, 510}},
        {lblInfo, &sevFrame1, {960, 1560, 4575, 285}},
        {cmdTray, &sevFrame1, {240, 2400, 2520, 375}, L"2470", L"."},
        {cmdRelease, &sevFrame1, {3000, 2400, 2520, 375}, L"2480", L"."},
    });
    SetTitledFrameColors(sevFrame1);
    picLogo.SetPicture(utilitypictures::Get(utilitypictures::PictureId::HiderLogo));
    Picture1.SetPicture(utilitypictures::Get(utilitypictures::PictureId::Picker));
    Picture1.SetMousePointer(utilitypictures::PickerCursor());
    lblInfo.SetFont({L"MS Sans Serif", 9.75});

    mnuPopup_.reset(::CreatePopupMenu());
    ::AppendMenuW(mnuPopup_.get(), MF_STRING, FirstMenuCommand, ShowWindowCaption);
    ::AppendMenuW(mnuPopup_.get(), MF_STRING, FirstMenuCommand + 1, ReleaseWindowCaption);
    ::SetMenuDefaultItem(mnuPopup_.get(), 0, TRUE);

    Picture1.onMouseDown = [this](const ui::MouseEvent&) { Picture1_MouseDown(); };
    Picture1.onMouseMove = [this](const ui::MouseEvent&) { Picture1_MouseMove(); };
    Picture1.onMouseUp = [this](const ui::MouseEvent&) { Picture1_MouseUp(); };
    cmdTray.onClick = [this] { cmdTray_Click(); };
    cmdRelease.onClick = [this] { cmdRelease_Click(); };
}

void FrmHide::Form_Load()
{
    dragIcon_ = Picture1.Picture();
    modHider::GetStartButtonRect();
}

void FrmHide::Form_Unload()
{
    // The hidden window comes back before the program ends.
    cmdRelease_Click();
}

void FrmHide::Picture1_MouseDown()
{
    // The picker leaves its box and follows the mouse, wherever it goes.
    Picture1.SetPicture(nullptr);
    state.picking = true;
    ::SetCapture(Picture1.Hwnd());
    ::SetCursor(utilitypictures::PickerCursor());
}

void FrmHide::Picture1_MouseMove()
{
    if (!state.picking)
        return;
    POINT cursor;
    ::GetCursorPos(&cursor);
    state.pickedWindow = modHider::GetTopVisibleParent(::WindowFromPoint(cursor));
    if (state.pickedWindow == state.hiddenWindow)
        return;
    const std::wstring caption = HandleCaption(state.pickedWindow);
    SetCaption(caption);
    lblInfo.SetCaption(caption);
}

void FrmHide::Picture1_MouseUp()
{
    state.picking = false;
    Picture1.SetPicture(dragIcon_);
    ::ReleaseCapture();
}

void FrmHide::cmdTray_Click()
{
    if (state.pickedWindow == state.hiddenWindow)
        return;
    if (state.savedWindowProc)
        cmdRelease_Click();
    state.hiddenWindow = modHider::GetTopVisibleParent(state.pickedWindow);
    modHider::HookWindow(Hwnd());
    modHider::AddTrayIcon(Hwnd());
    SetMenuItemCaption(0, HideWindowCaption);
    mnuPopupItems_Click(0);
}

void FrmHide::cmdRelease_Click()
{
    SetMenuItemCaption(0, ShowWindowCaption);
    mnuPopupItems_Click(0);
    modHider::UnhookWindow(Hwnd());
    modHider::RemoveTrayIcon(Hwnd());
    state.hiddenWindow = nullptr;
}

void FrmHide::mnuPopupItems_Click(int index)
{
    if (index == 1) {
        cmdRelease_Click();
        return;
    }
    // Item 0 toggles by its caption; with nothing hidden there is nothing to animate.
    RECT empty{};
    if (MenuItemCaption(0) == ShowWindowCaption) {
        if (state.hiddenWindow) {
            ::DrawAnimatedRects(state.hiddenWindow, IDANI_CAPTION, &empty, &state.savedWindowRect);
            ::ShowWindow(state.hiddenWindow, SW_SHOW);
        }
        SetMenuItemCaption(0, HideWindowCaption);
    } else {
        if (state.hiddenWindow) {
            ::GetWindowRect(state.hiddenWindow, &state.savedWindowRect);
            ::DrawAnimatedRects(state.hiddenWindow, IDANI_CAPTION, &state.savedWindowRect, &empty);
            ::ShowWindow(state.hiddenWindow, SW_HIDE);
        }
        SetMenuItemCaption(0, ShowWindowCaption);
    }
}

void FrmHide::ShowPopupMenu()
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(Hwnd());
    const UINT chosen = ::TrackPopupMenu(mnuPopup_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, cursor.x,
                                         cursor.y, 0, Hwnd(), nullptr);
    ::PostMessageW(Hwnd(), WM_NULL, 0, 0);
    if (chosen >= FirstMenuCommand)
        mnuPopupItems_Click(static_cast<int>(chosen - FirstMenuCommand));
}

std::wstring FrmHide::MenuItemCaption(int index) const
{
    wchar_t caption[64] = L"";
    ::GetMenuStringW(mnuPopup_.get(), static_cast<UINT>(index), caption, 64, MF_BYPOSITION);
    return caption;
}

void FrmHide::SetMenuItemCaption(int index, const std::wstring& caption)
{
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    ::SetMenuItemInfoW(mnuPopup_.get(), static_cast<UINT>(index), TRUE, &item);
}
