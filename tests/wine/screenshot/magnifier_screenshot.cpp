// Shows the magnifier at zoom 4 in the main window with the cursor in the
// middle of a known pattern: four coloured squares of 20 pixels, a white
// line one pixel wide down the red one. Once the glass shows it, it stops the
// timer and tells the checking script where the glass and the cursor are; it
// keeps the windows up until the script has taken its screenshot.
#include "pages/utilities/frmLupe.h"
#include "shell/PageForm.h"
#include "shell/frmMain.h"

#include "tests/wine/screenshot/ScreenshotDriver.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int PatternLeft = 1000;
constexpr int PatternTop = 820;
constexpr int Half = 20;

void Fill(HDC dc, int left, int top, int width, int height, COLORREF color)
{
    const RECT place{left, top, left + width, top + height};
    ::SetDCBrushColor(dc, color);
    ::FillRect(dc, &place, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

LRESULT CALLBACK PatternProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(hwnd, &paint);
    Fill(dc, 0, 0, Half, Half, RGB(255, 0, 0));
    Fill(dc, Half, 0, Half, Half, RGB(0, 255, 0));
    Fill(dc, 0, Half, Half, Half, RGB(0, 0, 255));
    Fill(dc, Half, Half, Half, Half, RGB(255, 255, 0));
    Fill(dc, Half / 2, 0, 1, Half, RGB(255, 255, 255));
    ::EndPaint(hwnd, &paint);
    return 0;
}

HWND ShowPattern()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = PatternProcedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BrvtMagnifierPattern";
    ::RegisterClassW(&wc);
    const HWND hwnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"pattern",
                                        WS_POPUP | WS_VISIBLE, PatternLeft, PatternTop, 2 * Half, 2 * Half, nullptr,
                                        nullptr, wc.hInstance, nullptr);
    ::UpdateWindow(hwnd);
    return hwnd;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: magnifier_screenshot <exchange folder>\n", stderr);
        return 2;
    }
    const std::wstring folder = argv[1];
    frmMain->Show();
    ui::ShowPage(frmLupe->fraShredder);
    ::SetForegroundWindow(frmMain->Hwnd());
    FrmLupe& page = frmLupe.Get();
    page.HScroll1.SetValue(4);
    ShowPattern();
    ::SetCursorPos(PatternLeft + Half, PatternTop + Half);
    screenshot::PumpFor(100);

    // A few ticks with the pattern on the screen and the cursor on it.
    int ticks = 0;
    const auto tick = page.Timer1.onTimer;
    page.Timer1.onTimer = [&] {
        tick();
        ++ticks;
    };
    for (int waited = 0; ticks < 5 && waited < 400; ++waited)
        screenshot::PumpFor(25);
    page.Timer1.SetEnabled(false);
    screenshot::PumpFor(100);

    POINT glass{0, 0};
    ::ClientToScreen(page.picGlass.Hwnd(), &glass);
    POINT cursor;
    ::GetCursorPos(&cursor);
    char line[96];
    std::snprintf(line, sizeof line, "%ld %ld %ld %ld %d\n", glass.x, glass.y, cursor.x, cursor.y, page.HScroll1.Value());
    screenshot::Tell(folder, L"glass", line);
    return screenshot::WaitForThePicture(folder);
}
