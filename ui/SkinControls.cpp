#include "ui/SkinControls.h"

#include "ui/win/Handles.h"
#include "ui/win/Painting.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <windowsx.h>

namespace ui {

namespace {

using win::AnswerPaint;
using win::FillSolid;
using win::IsEmpty;
using win::IsPaintMessage;

constexpr COLORREF White = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF Black = RGB(0x00, 0x00, 0x00);
constexpr COLORREF DisabledText = RGB(0xA1, 0xA1, 0x92);
constexpr COLORREF DisabledBorder = RGB(0xC9, 0xC7, 0xBA);
constexpr COLORREF DisabledFace = RGB(0xF5, 0xF4, 0xEA);
constexpr COLORREF ButtonBorder = RGB(0x00, 0x3C, 0x74);
constexpr COLORREF BoxBorder = RGB(0x1C, 0x51, 0x80);
constexpr COLORREF HotTop = RGB(0xFF, 0xF0, 0xCF);
constexpr COLORREF HotBottom = RGB(0xF8, 0xB3, 0x30);
constexpr COLORREF FocusTop = RGB(0xCE, 0xE7, 0xFF);
constexpr COLORREF FocusBottom = RGB(0x69, 0x82, 0xEE);
constexpr COLORREF Tick = RGB(0x21, 0xA1, 0x21);
constexpr COLORREF TickLight = RGB(0x55, 0xD4, 0x55);
constexpr COLORREF Greyed = RGB(0x99, 0x99, 0x90);
constexpr int BoxSize = 13;
// For RoundBox: a filled shape without a border line.
constexpr COLORREF NoBorder = 0xFFFFFFFF;

COLORREF Mix(COLORREF from, COLORREF to, double amount)
{
    const auto channel = [amount](BYTE a, BYTE b) {
        return static_cast<BYTE>(std::lround(a + (b - a) * std::clamp(amount, 0.0, 1.0)));
    };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

// Three colours weighed by their shares of a whole.
COLORREF Blend(COLORREF a, int shareA, COLORREF b, int shareB, COLORREF c, int shareC)
{
    const int whole = shareA + shareB + shareC;
    COLORREF result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const auto part = [shift](COLORREF color) { return static_cast<int>((color >> shift) & 0xFF); };
        const int value = (part(a) * shareA + part(b) * shareB + part(c) * shareC + whole / 2) / whole;
        result |= static_cast<COLORREF>(value) << shift;
    }
    return result;
}

RECT Deflated(const RECT& rect, int dx, int dy)
{
    return RECT{rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy};
}

void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom)
{
    if (IsEmpty(rect))
        return;
    const auto vertex = [](LONG x, LONG y, COLORREF color) {
        return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(color) << 8), static_cast<COLOR16>(GetGValue(color) << 8),
                         static_cast<COLOR16>(GetBValue(color) << 8), 0};
    };
    TRIVERTEX vertices[2] = {vertex(rect.left, rect.top, top), vertex(rect.right, rect.bottom, bottom)};
    GRADIENT_RECT part{0, 1};
    ::GradientFill(dc, vertices, 2, &part, 1, GRADIENT_FILL_RECT_V);
}

// Whether a point lies in a rectangle with rounded corners.
bool InRounded(double x, double y, double left, double top, double right, double bottom, double radius)
{
    if (x < left || x > right || y < top || y > bottom)
        return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// A rounded box: a 1px border (none for NoBorder) around a vertical gradient.
// The corners are smoothed against what is drawn already; a radius of half the
// size makes a circle. Straight parts are plain fills, only corners go by pixel.
void RoundBox(HDC dc, const RECT& box, double radius, COLORREF border, COLORREF top, COLORREF bottom)
{
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return;
    radius = std::clamp(radius, 0.0, std::min(width, height) / 2.0);
    const int ring = border == NoBorder ? 0 : 1;
    const RECT inner = Deflated(box, ring, ring);
    const double innerRadius = std::max(0.0, radius - ring);
    const int innerHeight = std::max(1L, inner.bottom - inner.top);
    const auto fillAt = [&](double y) { return Mix(top, bottom, (y - inner.top) / innerHeight); };

    const int corner = static_cast<int>(std::ceil(radius));
    const int leftZone = std::min(corner, (width + 1) / 2);
    const int rightZone = std::min(corner, width - leftZone);
    const int topZone = std::min(corner, (height + 1) / 2);
    const int bottomZone = std::min(corner, height - topZone);

    // The fill and border of one straight band of the box.
    const auto band = [&](LONG x0, LONG x1, LONG y0, LONG y1) {
        const RECT part{std::max(x0, inner.left), std::max(y0, inner.top), std::min(x1, inner.right),
                        std::min(y1, inner.bottom)};
        if (!IsEmpty(part))
            FillGradient(dc, part, fillAt(part.top), fillAt(part.bottom));
        if (!ring || x1 <= x0 || y1 <= y0)
            return;
        if (y0 == box.top)
            FillSolid(dc, RECT{x0, y0, x1, y0 + 1}, border);
        if (y1 == box.bottom)
            FillSolid(dc, RECT{x0, y1 - 1, x1, y1}, border);
        if (x0 == box.left)
            FillSolid(dc, RECT{x0, y0, x0 + 1, y1}, border);
        if (x1 == box.right)
            FillSolid(dc, RECT{x1 - 1, y0, x1, y1}, border);
    };
    band(box.left + leftZone, box.right - rightZone, box.top, box.bottom);
    band(box.left, box.left + leftZone, box.top + topZone, box.bottom - bottomZone);
    band(box.right - rightZone, box.right, box.top + topZone, box.bottom - bottomZone);

    const auto smooth = [&](LONG x, LONG y) {
        const COLORREF behind = ::GetPixel(dc, x, y);
        if (behind == CLR_INVALID)
            return;
        constexpr int Samples = 4;
        int outer = 0;
        int within = 0;
        for (int sy = 0; sy < Samples; ++sy)
            for (int sx = 0; sx < Samples; ++sx) {
                const double px = x + (sx + 0.5) / Samples;
                const double py = y + (sy + 0.5) / Samples;
                outer += InRounded(px, py, box.left, box.top, box.right, box.bottom, radius);
                within += InRounded(px, py, inner.left, inner.top, inner.right, inner.bottom, innerRadius);
            }
        const COLORREF fill = fillAt(y + 0.5);
        const COLORREF edge = ring ? border : fill;
        // The samples outside, on the border and inside the box.
        ::SetPixelV(dc, x, y, Blend(behind, Samples * Samples - outer, edge, outer - within, fill, within));
    };
    for (LONG y = box.top; y < box.bottom; ++y) {
        if (y >= box.top + topZone && y < box.bottom - bottomZone)
            continue;
        for (LONG x = box.left; x < box.left + leftZone; ++x)
            smooth(x, y);
        for (LONG x = box.right - rightZone; x < box.right; ++x)
            smooth(x, y);
    }
}

win::unique_hfont CreateSkinFont(bool bold)
{
    win::WindowDC screen(nullptr);
    const int height = -::MulDiv(8, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    const auto create = [&](const wchar_t* face) {
        return win::unique_hfont(::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face));
    };
    win::unique_hfont font = create(L"Tahoma");
    wchar_t face[LF_FACESIZE] = {};
    {
        win::SelectedObject selected(screen.get(), font.get());
        ::GetTextFaceW(screen.get(), LF_FACESIZE, face);
    }
    // Without Tahoma the font mapper's pick may be anything; Arial is the known second choice.
    return _wcsicmp(face, L"Tahoma") == 0 ? std::move(font) : create(L"Arial");
}

// The two fonts of the skinned controls, made once for the run.
HFONT SkinFont(bool bold = false)
{
    static const win::unique_hfont normal = CreateSkinFont(false);
    static const win::unique_hfont heavy = CreateSkinFont(true);
    return bold ? heavy.get() : normal.get();
}

// The caption of a button, wrapped at words inside its border.
// An ampersand marks the access key, as in any button caption ("&&" shows one).
CaptionBox ButtonCaption(const RECT& client)
{
    return CaptionBox{SkinFont(), Deflated(client, 4, 3), DT_CENTER | DT_WORDBREAK};
}

// The caption of a check box or option button, right of its box.
CaptionBox BoxCaption(const RECT& client)
{
    return CaptionBox{SkinFont(), RECT{client.left + BoxSize + 5, client.top, client.right, client.bottom},
                      DT_LEFT | DT_WORDBREAK};
}

// Draws a caption centred vertically in its box; returns the place it took.
RECT DrawCaption(HDC dc, const CaptionBox& box, const std::wstring& text, COLORREF color)
{
    const RECT& area = box.area;
    RECT place{area.left, area.top, area.left, area.top};
    if (text.empty())
        return place;
    win::SelectedObject font(dc, box.font);
    RECT measure = area;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, box.format | DT_CALCRECT);
    const int height = measure.bottom - measure.top;
    place = area;
    place.top = area.top + std::max(0L, (area.bottom - area.top - height) / 2);
    place.bottom = place.top + height;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, color);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, box.format);
    if (!(box.format & DT_CENTER))
        place.right = std::min(area.right, area.left + (measure.right - measure.left));
    return place;
}

// The box of a check box or option button: left, centred vertically.
RECT BoxOf(const RECT& client)
{
    const LONG top = client.top + (client.bottom - client.top - BoxSize) / 2;
    return RECT{client.left, top, client.left + BoxSize, top + BoxSize};
}

struct BoxLook {
    COLORREF border;
    COLORREF top;
    COLORREF bottom;
    bool hot;
};

BoxLook BoxLookOf(bool enabled, bool pressed, bool hot)
{
    if (!enabled)
        return {DisabledBorder, White, White, false};
    if (pressed)
        return {BoxBorder, RGB(0xB0, 0xB0, 0xA7), RGB(0xE3, 0xE2, 0xDB), false};
    return {BoxBorder, RGB(0xDC, 0xDC, 0xD7), White, hot};
}

// The caption right of a box, with the focus rectangle around it.
void DrawBoxCaption(HDC dc, const RECT& client, const std::wstring& text, bool enabled, bool focused)
{
    RECT place = DrawCaption(dc, BoxCaption(client), text, enabled ? Black : DisabledText);
    if (!focused || text.empty())
        return;
    place = RECT{place.left - 2, place.top - 1, std::min(client.right, place.right + 2), place.bottom + 1};
    ::SetTextColor(dc, Black);
    ::SetBkColor(dc, White);
    ::DrawFocusRect(dc, &place);
}

} // namespace

// PressableControl

bool PressableControl::SetCaption(const std::wstring& text)
{
    // The window text carries the access key for the dialog manager too.
    StoreCaption(text);
    Redraw();
    return true;
}

PressableControl::PressableControl(std::wstring name, std::wstring typeName)
    : MouseControl(std::move(name), std::move(typeName))
{
    ActAsButton();
}

HWND PressableControl::CreatePressable(const wchar_t* className, HWND parent, const RECT& bounds, DWORD style)
{
    return CreateOwnWindow(className, style, 0, L"", bounds, parent);
}

void PressableControl::KeyClick()
{
    OnUserClick();
    Redraw();
    // Last: the handler may close the form that holds this control.
    MouseControl::KeyClick();
}

void PressableControl::CancelPress()
{
    if (::GetCapture() == Hwnd())
        ::ReleaseCapture();
    MouseControl::HandleMessage(WM_CAPTURECHANGED, 0, 0);
}

void PressableControl::TrackLeave()
{
    if (tracking_)
        return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Hwnd(), 0};
    tracking_ = ::TrackMouseEvent(&track) != FALSE;
}

LRESULT PressableControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsPaintMessage(message))
        return AnswerPaint(*this, message, wParam);
    switch (message) {
    case WM_LBUTTONDOWN:
        // Sent clicks reach disabled windows too.
        if (!Enabled())
            return 0;
        if (::GetFocus() != Hwnd())
            ::SetFocus(Hwnd());
        hot_ = true;
        TrackLeave();
        Redraw();
        break;
    case WM_LBUTTONUP: {
        if (!Enabled()) {
            CancelPress();
            return 0;
        }
        RECT client;
        ::GetClientRect(Hwnd(), &client);
        if (Pressed() && ::PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            OnUserClick();
        Redraw();
        break;  // MouseControl raises MouseUp, then Click
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        if (!Enabled())
            return 0;
        break;
    case WM_MOUSEMOVE: {
        RECT client;
        ::GetClientRect(Hwnd(), &client);
        const bool inside = Enabled() && ::PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (inside != hot_) {
            hot_ = inside;
            Redraw();
        }
        if (inside)
            TrackLeave();
        break;
    }
    case WM_MOUSELEAVE:
        tracking_ = false;
        // While the button is held the captured mouse moves decide.
        if (hot_ && !Pressed()) {
            hot_ = false;
            Redraw();
        }
        return 0;
    case WM_CAPTURECHANGED:
        Redraw();
        break;
    case WM_ENABLE:
        // Disabling cancels a press by itself (WM_CANCELMODE); the look must follow.
        if (!wParam)
            hot_ = false;
        Redraw();
        break;
    default:
        break;
    }
    return MouseControl::HandleMessage(message, wParam, lParam);
}

// XpButton

XpButton::XpButton(std::wstring name) : PressableControl(std::move(name), L"xpButton") {}

std::optional<CaptionBox> XpButton::CaptionLayout(const RECT& client) const
{
    return ButtonCaption(client);
}

HWND XpButton::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    return CreatePressable(L"BrvtXpButton", parent, bounds, style);
}

void XpButton::PaintContent(HDC dc, const RECT& client) const
{
    FillSolid(dc, client, White);
    constexpr double Radius = 3.0;
    const bool enabled = Enabled();
    const bool pressed = enabled && ShowsPressed();
    const RECT face = Deflated(client, 3, 3);
    if (!enabled) {
        RoundBox(dc, client, Radius, DisabledBorder, DisabledFace, DisabledFace);
    } else if (pressed) {
        RoundBox(dc, client, Radius, ButtonBorder, RGB(0xCD, 0xD2, 0xDC), RGB(0xEE, 0xF0, 0xF4));
    } else if (Hot() || Focused()) {
        // A coloured ring inside the border: orange under the mouse, blue with the focus.
        RoundBox(dc, client, Radius, ButtonBorder, Hot() ? HotTop : FocusTop, Hot() ? HotBottom : FocusBottom);
        RoundBox(dc, face, 1.0, NoBorder, White, RGB(0xDC, 0xE2, 0xEC));
    } else {
        RoundBox(dc, client, Radius, ButtonBorder, White, RGB(0xDC, 0xE2, 0xEC));
    }
    if (enabled && !pressed) {
        // The shade along the bottom that gives the face its depth.
        const RECT shade{face.left, face.bottom - 2, face.right, face.bottom};
        if (face.bottom - face.top > 8)
            FillGradient(dc, shade, RGB(0xD4, 0xDA, 0xE6), RGB(0xC6, 0xCE, 0xDC));
    }
    CaptionBox text = ButtonCaption(client);
    if (pressed)
        ::OffsetRect(&text.area, 1, 1);
    DrawCaption(dc, text, caption_, enabled ? Black : DisabledText);
    if (Focused() && enabled) {
        const RECT focus = Deflated(client, 4, 4);
        ::SetTextColor(dc, Black);
        ::SetBkColor(dc, White);
        ::DrawFocusRect(dc, &focus);
    }
}

// SevCheck

SevCheck::SevCheck(std::wstring name) : PressableControl(std::move(name), L"sevCheck") {}

void SevCheck::SetValue(int value)
{
    value = std::clamp(value, 0, 2);
    if (value == value_)
        return;
    value_ = value;
    Redraw();
}

std::optional<CaptionBox> SevCheck::CaptionLayout(const RECT& client) const
{
    return BoxCaption(client);
}

void SevCheck::OnUserClick()
{
    value_ = value_ == 1 ? 0 : 1;
}

HWND SevCheck::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    return CreatePressable(L"BrvtSevCheck", parent, bounds, style);
}

void SevCheck::PaintContent(HDC dc, const RECT& client) const
{
    FillSolid(dc, client, White);
    const bool enabled = Enabled();
    const RECT box = BoxOf(client);
    const BoxLook look = BoxLookOf(enabled, ShowsPressed(), Hot());
    if (look.hot) {
        RoundBox(dc, box, 1.5, look.border, HotTop, HotBottom);
        FillGradient(dc, Deflated(box, 3, 3), look.top, look.bottom);
    } else {
        RoundBox(dc, box, 1.5, look.border, look.top, look.bottom);
    }
    if (value_ == 2)
        FillGradient(dc, Deflated(box, look.hot ? 3 : 2, look.hot ? 3 : 2), RGB(0xD8, 0xD8, 0xD4),
                     RGB(0xEC, 0xEC, 0xE8));
    if (value_ != 0) {
        // A tick of seven columns three pixels high, down to the third and up again.
        const COLORREF color = value_ == 2 || !enabled ? Greyed : Tick;
        for (int i = 0; i < 7; ++i) {
            const LONG x = box.left + 3 + i;
            const LONG y = box.top + (i <= 2 ? 5 + i : 9 - i);
            FillSolid(dc, RECT{x, y, x + 1, y + 3}, color);
        }
    }
    DrawBoxCaption(dc, client, caption_, enabled, Focused());
}

// SevOption

SevOption::SevOption(std::wstring name) : PressableControl(std::move(name), L"sevOption") {}

void SevOption::SetValue(bool value)
{
    if (value && Hwnd()) {
        const HWND parent = ::GetParent(Hwnd());
        for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            auto* other = dynamic_cast<SevOption*>(Window::FromHandle(child));
            if (other && other != this && other->value_) {
                other->value_ = false;
                other->Redraw();
            }
        }
    }
    if (value == value_)
        return;
    value_ = value;
    Redraw();
}

std::optional<CaptionBox> SevOption::CaptionLayout(const RECT& client) const
{
    return BoxCaption(client);
}

void SevOption::OnUserClick()
{
    SetValue(true);
}

HWND SevOption::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    return CreatePressable(L"BrvtSevOption", parent, bounds, style);
}

void SevOption::PaintContent(HDC dc, const RECT& client) const
{
    FillSolid(dc, client, White);
    const bool enabled = Enabled();
    const RECT box = BoxOf(client);
    const BoxLook look = BoxLookOf(enabled, ShowsPressed(), Hot());
    constexpr double Round = BoxSize / 2.0;
    if (look.hot) {
        RoundBox(dc, box, Round, look.border, HotTop, HotBottom);
        RoundBox(dc, Deflated(box, 3, 3), Round - 3, NoBorder, look.top, look.bottom);
    } else {
        RoundBox(dc, box, Round, look.border, look.top, look.bottom);
    }
    if (value_) {
        const bool colored = enabled;
        RoundBox(dc, Deflated(box, 4, 4), Round - 4, NoBorder, colored ? TickLight : RGB(0xC4, 0xC4, 0xBC),
                 colored ? Tick : Greyed);
    }
    DrawBoxCaption(dc, client, caption_, enabled, Focused());
}

// SevFrame

SevFrame::SevFrame(std::wstring name) : Control(std::move(name), L"sevFrame") {}

bool SevFrame::SetCaption(const std::wstring& text)
{
    StoreCaption(text);
    Redraw();
    return true;
}

void SevFrame::SetColors(COLORREF back, COLORREF border, COLORREF caption)
{
    back_ = back;
    border_ = border;
    captionColor_ = caption;
    Redraw();
}

void SevFrame::PaintContent(HDC dc, const RECT& client) const
{
    FillSolid(dc, client, back_);
    win::SelectedObject font(dc, SkinFont(true));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    // The border line runs through the middle of the caption.
    const LONG line = caption_.empty() ? 0 : metrics.tmHeight / 2;
    RoundBox(dc, RECT{client.left, client.top + line, client.right, client.bottom}, 4.0, border_, back_, back_);
    if (caption_.empty())
        return;
    const CaptionBox box = *CaptionLayout(client);
    RECT text{box.area.left, box.area.top, box.area.right, box.area.top + metrics.tmHeight};
    const UINT format = box.format | DT_END_ELLIPSIS;
    RECT measure = text;
    ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &measure, format | DT_CALCRECT);
    FillSolid(dc, RECT{text.left - 3, text.top, std::min(text.right, measure.right) + 3, text.bottom}, back_);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, captionColor_);
    ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text, format);
}

std::optional<CaptionBox> SevFrame::CaptionLayout(const RECT& client) const
{
    // On the border line, clear of the rounded corners.
    constexpr int Inset = 9;
    return CaptionBox{SkinFont(true), RECT{client.left + Inset, client.top, client.right - Inset, client.bottom},
                      DT_SINGLELINE | DT_NOPREFIX};
}

HWND SevFrame::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    return CreateOwnWindow(L"BrvtSevFrame", style | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, L"", bounds, parent);
}

LRESULT SevFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // WM_PRINTCLIENT also serves transparent children that show the frame behind them.
    if (IsPaintMessage(message))
        return AnswerPaint(*this, message, wParam);
    return Control::HandleMessage(message, wParam, lParam);
}

// SevProgressBar

SevProgressBar::SevProgressBar(std::wstring name) : Control(std::move(name), L"sevProgressBar") {}

void SevProgressBar::SetValue(int value)
{
    value = std::clamp(value, Min, Max);
    if (value == value_)
        return;
    value_ = value;
    Redraw();
}

void SevProgressBar::PaintContent(HDC dc, const RECT& client) const
{
    FillSolid(dc, client, White);
    // Sunken: the track is darker at its top.
    RoundBox(dc, client, 3.0, RGB(0x8C, 0x97, 0xA5), RGB(0xDD, 0xE1, 0xE6), White);
    const RECT track = Deflated(client, 3, 3);
    if (IsEmpty(track))
        return;
    const LONG end = track.left + (track.right - track.left) * (value_ - Min) / (Max - Min);
    const LONG middle = track.top + (track.bottom - track.top) / 2;
    constexpr int Segment = 6;
    constexpr int Gap = 2;
    // Glassy segments: light at the edges, strongest just below the middle.
    for (LONG x = track.left; x < end; x += Segment + Gap) {
        const LONG right = std::min(x + Segment, end);
        FillGradient(dc, RECT{x, track.top, right, middle}, RGB(0xBE, 0xD8, 0xFF), RGB(0x3C, 0x78, 0xE6));
        FillGradient(dc, RECT{x, middle, right, track.bottom}, RGB(0x2A, 0x62, 0xD8), RGB(0x8C, 0xB4, 0xF5));
    }
}

HWND SevProgressBar::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    return CreateOwnWindow(L"BrvtSevProgressBar", style, 0, L"", bounds, parent);
}

LRESULT SevProgressBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsPaintMessage(message))
        return AnswerPaint(*this, message, wParam);
    return Control::HandleMessage(message, wParam, lParam);
}

} // namespace ui
