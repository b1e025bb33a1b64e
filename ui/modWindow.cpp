#include "ui/modWindow.h"

#include "ui/Form.h"

namespace modWindow {

namespace {

bool IsChild(HWND hwnd)
{
    return (::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) != 0;
}

// Where a page form's page frame is shown: the first of its controls that lies
// in another, shown, top-level window.
HWND HostOfPage(const ui::Form& page)
{
    const HWND pageRoot = ::GetAncestor(page.Hwnd(), GA_ROOT);
    for (const ui::Control* control : page.Controls()) {
        const HWND root = ::GetAncestor(control->Hwnd(), GA_ROOT);
        if (root && root != pageRoot && ::IsWindowVisible(root))
            return root;
    }
    return nullptr;
}

// The shown top-level window that holds `window`, looking through page forms to their host.
HWND ShownHolder(HWND window)
{
    for (HWND w = window; w; w = ::GetParent(w)) {
        if (!IsChild(w))
            return ::IsWindowVisible(w) ? w : nullptr;
        if (const auto* page = dynamic_cast<const ui::Form*>(ui::Window::FromHandle(w)))
            if (const HWND host = HostOfPage(*page))
                return host;
    }
    return nullptr;
}

BOOL CALLBACK TakeShownForm(HWND hwnd, LPARAM found)
{
    if (!::IsWindowVisible(hwnd) || !dynamic_cast<const ui::Form*>(ui::Window::FromHandle(hwnd)))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// The program's shown form that lies in front of its others (the thread's windows come in Z order).
HWND FrontForm()
{
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeShownForm, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

void DisableCloseButton(HWND hWnd)
{
    const HMENU menu = ::GetSystemMenu(hWnd, FALSE);
    if (!menu)
        return;
    ::DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
    ::DrawMenuBar(hWnd);
}

HWND DialogOwner(HWND from) noexcept
{
    if (const HWND holder = ShownHolder(from))
        return holder;
    if (const HWND active = ShownHolder(::GetActiveWindow()))
        return active;
    return FrontForm();
}

} // namespace modWindow
