#pragma once
#include <windows.h>

namespace modTaskbar {

// Gives the window a taskbar button (true) or takes it away (false).
// The window is visible afterwards in both cases.
void ShowInTaskbar(HWND hWnd, bool show);

} // namespace modTaskbar
