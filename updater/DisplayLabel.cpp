#include "updater/DisplayLabel.h"

#include "ui/win/Painting.h"

namespace {

constexpr DWORD ShowIntervalMs = 50;
constexpr UINT_PTR ShowTimerId = 1;

} // namespace

DisplayLabel::DisplayLabel(std::wstring name, UINT align, bool border, bool bold)
    : Control(std::move(name), L"Label"), align_(align), border_(border), bold_(bold)
{
}

bool DisplayLabel::SetCaption(const std::wstring& text)
{
    if (text != caption_) {
        caption_ = text;
        ShowSoon();
    }
    return true;
}

void DisplayLabel::SetWidth(int pixels)
{
    if (pixels != width_) {
        width_ = pixels;
        ShowSoon();
    }
}

void DisplayLabel::ShowSoon()
{
    if (::GetTickCount() - lastShown_ >= ShowIntervalMs) {
        Show();
    } else if (!showPending_ && Hwnd()) {
        showPending_ = ::SetTimer(Hwnd(), ShowTimerId, ShowIntervalMs, nullptr) != 0;
        if (!showPending_)
            Show();
    }
}

void DisplayLabel::Show()
{
    lastShown_ = ::GetTickCount();
    if (Hwnd() && width_ >= 0 && width_ != shownWidth_) {
        RECT client;
        ::GetClientRect(Hwnd(), &client);
        ::SetWindowPos(Hwnd(), nullptr, 0, 0, width_, client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        shownWidth_ = width_;
    }
    StoreCaption(caption_);
    Redraw();
}

void DisplayLabel::SetColors(COLORREF back, COLORREF fore)
{
    back_ = back;
    fore_ = fore;
    Redraw();
}

void DisplayLabel::Repaint()
{
    Show();
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
    if (message == WM_TIMER && wParam == ShowTimerId) {
        ::KillTimer(Hwnd(), ShowTimerId);
        showPending_ = false;
        Show();
        return 0;
    }
    if (win::IsPaintMessage(message))
        return win::AnswerPaint(*this, message, wParam);
    return Control::HandleMessage(message, wParam, lParam);
}
