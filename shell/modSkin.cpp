#include "shell/modSkin.h"

namespace modSkin {

void DragWindow(HWND hWnd)
{
    ::ReleaseCapture();
    ::SendMessageW(hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

} // namespace modSkin
