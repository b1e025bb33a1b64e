#include "pages/system/modTransp.h"

std::int32_t SetTransparency(HWND hwnd, std::int16_t alpha)
{
    if (alpha < 0 || alpha > 255)
        return TransparencyOutOfRange;
    bool failed = false;
    ::SetLastError(0);
    const LONG exStyle = ::GetWindowLongW(hwnd, GWL_EXSTYLE);
    failed |= exStyle == 0 && ::GetLastError() != 0;
    ::SetLastError(0);
    failed |= ::SetWindowLongW(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED) == 0 && ::GetLastError() != 0;
    failed |= !::SetLayeredWindowAttributes(hwnd, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
    return failed ? TransparencyFailed : TransparencyDone;
}
