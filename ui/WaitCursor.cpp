#include "ui/WaitCursor.h"

#include "ui/Window.h"

namespace ui {

namespace {

HCURSOR Hourglass()
{
    return ::LoadCursorW(nullptr, IDC_WAIT);
}

LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_SETCURSOR && Window::FromHandle(sent->hwnd))
        ::SetCursor(Hourglass());
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

WaitCursor::WaitCursor() : hook_(::SetWindowsHookExW(WH_CALLWNDPROCRET, AfterMessage, nullptr, ::GetCurrentThreadId()))
{
    ::SetCursor(Hourglass());
}

WaitCursor::~WaitCursor()
{
    if (hook_)
        ::UnhookWindowsHookEx(hook_);
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
}

} // namespace ui
