#include "updater/DisplayLabel.h"

#include "ui/win/Painting.h"

namespace {

constexpr DWORD PaintIntervalMs = 50;
constexpr UINT_PTR PaintTimerId = 1;

} // namespace

DisplayLabel::DisplayLabel(std::wstring name, UINT align, bool border, bool bold)
    : Control(std::move(name), L"Label"), align_(align), border_(border), bold_(bold)
{
}

bool DisplayLabel::SetCaption(const std::wstring& text)
{
    if (text == caption_)
        return true;
    StoreCaption(text);
    if (::GetTickCount() - lastPainted_ >= PaintIntervalMs) {
        Redraw();
    } else if (!paintPending_ && Hwnd()) {
        paintPending_ = ::SetTimer(Hwnd(), PaintTimerId, PaintIntervalMs, nullptr) != 0;
        if (!paintPending_)
            Redraw();
    }
    return true;
}

void DisplayLabel::SetColors(COLORREF back, COLORREF fore)
{
    back_ = back;
    fore_ = fore;
    Redraw();
}

void DisplayLabel::Repaint()
{
    Redraw();
    if (Hwnd())
        ::UpdateWindow(Hwnd());
}

void DisplayLabel::PaintContent(HDC dc, const RECT& client) const
{
    win::FillSolid(dc, client, back_);
    RECT text = client;
    if (border_) {
        ::FrameRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(&text, -1, -1);
    }
    win::SelectedObject font(dc, font_.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, fore_);
    ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text,
                align_ | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

HWND DisplayLabel::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    LOGFONTW face{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    font_.reset(::CreateFontIndirectW(&face));
    return CreateOwnWindow(L"SkyvellDisplayLabel", style, 0, L"", bounds, parent);
}

LRESULT DisplayLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == PaintTimerId) {
        ::KillTimer(Hwnd(), PaintTimerId);
        paintPending_ = false;
        Redraw();
        return 0;
    }
    if (message == WM_PAINT)
        lastPainted_ = ::GetTickCount();
    if (win::IsPaintMessage(message))
        return win::AnswerPaint(*this, message, wParam);
    return Control::HandleMessage(message, wParam, lParam);
}
