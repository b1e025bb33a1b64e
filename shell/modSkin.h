#pragma once
#include <windows.h>

namespace modSkin {

// Lets the system move a window with the mouse as if its title bar had been pressed.
void DragWindow(HWND hWnd);

} // namespace modSkin
