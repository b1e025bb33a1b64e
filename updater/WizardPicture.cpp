#include "updater/WizardPicture.h"

#include "ui/win/Handles.h"

#include <algorithm>

namespace {

constexpr COLORREF Top = RGB(0x2A, 0x62, 0xAE);
constexpr COLORREF Bottom = RGB(0x0A, 0x2A, 0x5C);
constexpr COLORREF Ring = RGB(0x3A, 0x6E, 0xB4);
constexpr COLORREF Sky = RGB(0x7C, 0xC4, 0xFF);
constexpr COLORREF Pale = RGB(0xC2, 0xD7, 0xF0);

TRIVERTEX Vertex(LONG x, LONG y, COLORREF color)
{
    return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(color) << 8), static_cast<COLOR16>(GetGValue(color) << 8),
                     static_cast<COLOR16>(GetBValue(color) << 8), 0};
}

void WriteCentred(HDC dc, const wchar_t* text, int height, bool bold, COLORREF color, RECT place)
{
    const win::unique_hfont font(::CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                               DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                               VARIABLE_PITCH | FF_SWISS, L"Arial"));
    win::SelectedObject selected(dc, font.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, color);
    ::DrawTextW(dc, text, -1, &place, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

HBITMAP Paint(SIZE size)
{
    const int w = size.cx;
    const int h = size.cy;
    win::unique_hdc dc(::CreateCompatibleDC(nullptr));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win::unique_hbitmap bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        return nullptr;
    {
        win::SelectedObject selectedBitmap(dc.get(), bitmap.get());
        TRIVERTEX ends[2] = {Vertex(0, 0, Top), Vertex(w, h, Bottom)};
        GRADIENT_RECT whole{0, 1};
        ::GradientFill(dc.get(), ends, 2, &whole, 1, GRADIENT_FILL_RECT_V);

        const int cx = w / 2;
        const int cy = h * 3 / 10;
        win::SelectedObject hollow(dc.get(), ::GetStockObject(NULL_BRUSH));
        win::unique_hpen ringPen(::CreatePen(PS_SOLID, 1, Ring));
        {
            win::SelectedObject selectedPen(dc.get(), ringPen.get());
            for (int r = 40; r < std::max(w, h); r += 14)
                ::Ellipse(dc.get(), cx - r, cy - r, cx + r, cy + r);
        }
        const int icon = std::min(64, w / 2);
        ::DrawIconEx(dc.get(), cx - icon / 2, cy - icon / 2, art::ProgramIcon(icon), icon, icon, 0, nullptr, DI_NORMAL);

        const int nameTop = cy + icon / 2 + 8;
        WriteCentred(dc.get(), L"Skyvell", 24, true, RGB(255, 255, 255), {0, nameTop, w, nameTop + 30});
        WriteCentred(dc.get(), L"Update Wizard", 12, false, Pale, {0, nameTop + 30, w, nameTop + 46});

        // A download arrow into a tray.
        const int top = nameTop + 62;
        const POINT arrow[] = {{cx - 7, top},      {cx + 7, top},      {cx + 7, top + 18}, {cx + 16, top + 18},
                               {cx, top + 34},     {cx - 16, top + 18}, {cx - 7, top + 18}};
        win::unique_hbrush skyBrush(::CreateSolidBrush(Sky));
        win::SelectedObject selectedBrush(dc.get(), skyBrush.get());
        win::SelectedObject noPen(dc.get(), ::GetStockObject(NULL_PEN));
        ::Polygon(dc.get(), arrow, static_cast<int>(std::size(arrow)));
        const RECT tray{cx - 24, top + 40, cx + 24, top + 44};
        ::FillRect(dc.get(), &tray, skyBrush.get());
        ::GdiFlush();
    }
    return bitmap.release();
}

} // namespace

art::Picture WizardPicture(SIZE size)
{
    return std::make_shared<const art::Image>(size, [size] { return Paint(size); });
}
