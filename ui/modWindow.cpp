#include "ui/modWindow.h"

namespace modWindow {

void DisableCloseButton(HWND hWnd)
{
    const HMENU menu = ::GetSystemMenu(hWnd, FALSE);
    if (!menu)
        return;
    ::DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
    ::DrawMenuBar(hWnd);
}

} // namespace modWindow
