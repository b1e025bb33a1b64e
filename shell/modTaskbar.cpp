#include "shell/modTaskbar.h"

namespace modTaskbar {

void ShowInTaskbar(HWND hWnd, bool show)
{
    // The taskbar only notices the style change while the window is hidden;
    // the lock keeps the hide and show from flickering.
    ::LockWindowUpdate(::GetDesktopWindow());
    ::ShowWindow(hWnd, SW_HIDE);
    LONG style = ::GetWindowLongW(hWnd, GWL_EXSTYLE);
    if (show)
        style |= WS_EX_APPWINDOW;
    else
        style &= ~WS_EX_APPWINDOW;
    ::SetWindowLongW(hWnd, GWL_EXSTYLE, style);
    ::ShowWindow(hWnd, SW_SHOW);
    ::LockWindowUpdate(nullptr);
}

} // namespace modTaskbar
