#pragma once
// Window services that several windows of the program share.
#include <windows.h>

namespace modWindow {

// Removes the close item from the window's system menu: the close box greys
// out and neither the menu nor Alt+F4 offers to close it. The program itself
// can still unload the window.
void DisableCloseButton(HWND hWnd);

// The owner for a dialog or message box that `from` opens: the shown top-level
// window that holds it. A page form is never shown itself, so for a page it is
// the window its page frame is shown in (the main window, the floating monitor,
// the wizard). Without such a window (null, or a page not shown anywhere): the
// active window, else the program's foremost shown form, else null.
HWND DialogOwner(HWND from) noexcept;

} // namespace modWindow
