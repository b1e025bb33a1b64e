#include "ui/ProgressBar.h"

#include "ui/win/Painting.h"

#include <algorithm>

namespace ui {

namespace {

constexpr COLORREF Border = RGB(0x7F, 0x9D, 0xB9);

COLORREF Between(COLORREF from, COLORREF to, double t)
{
    const auto channel = [t](BYTE a, BYTE b) { return static_cast<BYTE>(a + (b - a) * t + 0.5); };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF color)
{
    return {x, y, static_cast<COLOR16>(GetRValue(color) << 8), static_cast<COLOR16>(GetGValue(color) << 8),
            static_cast<COLOR16>(GetBValue(color) << 8), 0};
}

} // namespace

MBProgressBar::MBProgressBar(std::wstring name) : Control(std::move(name), L"ProgressBar") {}

void MBProgressBar::SetMin(std::int64_t minimum)
{
    min_ = minimum;
    max_ = std::max(max_, min_);
    value_ = std::clamp(value_, min_, max_);
    Redraw();
}

void MBProgressBar::SetMax(std::int64_t maximum)
{
    max_ = maximum;
    min_ = std::min(min_, max_);
    value_ = std::clamp(value_, min_, max_);
    Redraw();
}

bool MBProgressBar::SetValue(std::int64_t value)
{
    if (value < min_ || value > max_)
        return false;
    if (value != value_) {
        value_ = value;
        Redraw();
    }
    return true;
}

void MBProgressBar::SetColors(COLORREF start, COLORREF end)
{
    start_ = start;
    end_ = end;
    Redraw();
}

void MBProgressBar::PaintContent(HDC dc, const RECT& client) const
{
    win::FillSolid(dc, client, RGB(255, 255, 255));
    win::FillSolid(dc, {client.left, client.top, client.right, client.top + 1}, Border);
    win::FillSolid(dc, {client.left, client.bottom - 1, client.right, client.bottom}, Border);
    win::FillSolid(dc, {client.left, client.top, client.left + 1, client.bottom}, Border);
    win::FillSolid(dc, {client.right - 1, client.top, client.right, client.bottom}, Border);
    const RECT track{client.left + 2, client.top + 2, client.right - 2, client.bottom - 2};
    if (win::IsEmpty(track) || max_ <= min_)
        return;
    // Double precision: a range of physical memory in KB does not fit the product of two 32-bit numbers.
    const double share = static_cast<double>(value_ - min_) / static_cast<double>(max_ - min_);
    const LONG width = track.right - track.left;
    const LONG end = track.left + static_cast<LONG>(width * share + 0.5);
    if (end <= track.left)
        return;
    TRIVERTEX vertices[2] = {Vertex(track.left, track.top, start_),
                             Vertex(end, track.bottom, Between(start_, end_, static_cast<double>(end - track.left) / width))};
    GRADIENT_RECT rect{0, 1};
    ::GradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_H);
}

HWND MBProgressBar::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    return CreateOwnWindow(L"BrvtMBProgressBar", style, 0, L"", bounds, parent);
}

LRESULT MBProgressBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (win::IsPaintMessage(message))
        return win::AnswerPaint(*this, message, wParam);
    return Control::HandleMessage(message, wParam, lParam);
}

} // namespace ui
