#pragma once
// Window services that several windows of the program share.
#include <windows.h>

namespace modWindow {

// Removes the close item from the window's system menu: the close box greys
// out and neither the menu nor Alt+F4 offers to close it. The program itself
// can still unload the window.
void DisableCloseButton(HWND hWnd);

} // namespace modWindow
