#include "pages/utilities/modHider.h"

#include "pages/utilities/frmHide.h"

#include <string>

namespace modHider {

State state;

namespace {

std::wstring WindowTitle(HWND hwnd)
{
    const int length = ::GetWindowTextLengthW(hwnd);
    std::wstring title(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hwnd, title.data(), length + 1);
    title.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return title;
}

} // namespace

void HookWindow(HWND hwnd)
{
    state.savedWindowProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

void UnhookWindow(HWND hwnd)
{
    if (!state.savedWindowProc)
        return;
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.savedWindowProc));
    state.savedWindowProc = nullptr;
}

void GetStartButtonRect()
{
    const HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    const HWND start = taskbar ? ::FindWindowExW(taskbar, nullptr, L"BUTTON", nullptr) : nullptr;
    if (start)
        ::GetWindowRect(start, &state.startButtonRect);
}

HWND GetTopVisibleParent(HWND hwnd)
{
    HWND parent = ::GetParent(hwnd);
    while (parent && ::IsWindowVisible(parent)) {
        hwnd = parent;
        parent = ::GetParent(hwnd);
    }
    return hwnd;
}

void AddTrayIcon(HWND hwnd)
{
    const auto icon = reinterpret_cast<HICON>(::SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
    state.iconRecord = MakeTrayIconData(hwnd, HiderIconId, icon, L"Window-Handle: " + WindowTitle(state.hiddenWindow));
    ::Shell_NotifyIconA(NIM_ADD, &state.iconRecord);
}

void RemoveTrayIcon(HWND)
{
    ::Shell_NotifyIconA(NIM_DELETE, &state.iconRecord);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = ::CallWindowProcW(state.savedWindowProc, hwnd, message, wParam, lParam);
    // A shell that started anew knows no icons: the hidden window must not be stranded.
    if (message == TaskbarCreatedMessage()) {
        ::Shell_NotifyIconA(NIM_ADD, &state.iconRecord);
        return result;
    }
    POINT cursor;
    ::GetCursorPos(&cursor);
    // The icon's messages count only with the cursor on the taskbar's height.
    if (cursor.y < state.startButtonRect.top - 1)
        return result;
    if (lParam == WM_LBUTTONDBLCLK)
        frmHide->mnuPopupItems_Click(0);
    else if (lParam == WM_RBUTTONUP)
        frmHide->ShowPopupMenu();
    return result;
}

} // namespace modHider
