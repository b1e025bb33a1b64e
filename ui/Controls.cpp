#include "ui/Controls.h"

#include "ui/core/TickSchedule.h"
#include "ui/win/Handles.h"
#include "ui/win/Painting.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ui {

namespace {

using win::FillSolid;

constexpr wchar_t PictureBoxClass[] = L"BrvtPictureBox";
constexpr wchar_t LabelClass[] = L"BrvtLabel";
constexpr wchar_t FrameClass[] = L"BrvtFrame";

// One tooltip window serves every control of the program.
HWND ToolTipWindow()
{
    static HWND tip = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&init);
        return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    }();
    return tip;
}

win::unique_hfont CreateFontFor(const Font& font, HWND reference)
{
    win::WindowDC dc(reference);
    const int height = -::MulDiv(static_cast<int>(font.points * 100 + 0.5), ::GetDeviceCaps(dc.get(), LOGPIXELSY), 7200);
    return win::unique_hfont(::CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, font.underline,
                                           FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, font.face));
}

// Paints what lies behind a control, so that it can draw itself transparently.
void PaintParentBackground(HWND hwnd, HDC dc)
{
    const HWND parent = ::GetParent(hwnd);
    POINT origin{0, 0};
    ::MapWindowPoints(hwnd, parent, &origin, 1);
    POINT previous;
    ::SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    ::SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

// The width that drawn text covers: `least`, or more where its glyphs ink
// beyond it (italics, and fonts whose rendering is wider than their metrics,
// as Wine's stand-ins for Arial are).
int InkedWidth(HDC reference, HFONT font, const std::wstring& text, const RECT& measured, int least)
{
    TEXTMETRICW metrics{};
    {
        win::SelectedObject selected(reference, font);
        ::GetTextMetricsW(reference, &metrics);
    }
    const int width = measured.right + metrics.tmMaxCharWidth;
    const int height = measured.bottom;
    if (width <= 0 || height <= 0)
        return measured.right;
    win::unique_hdc memory(::CreateCompatibleDC(reference));
    win::unique_hbitmap bitmap(::CreateCompatibleBitmap(reference, width, height));
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    {
        win::SelectedObject selectedBitmap(memory.get(), bitmap.get());
        win::SelectedObject selectedFont(memory.get(), font);
        RECT all{0, 0, width, height};
        FillSolid(memory.get(), all, RGB(255, 255, 255));
        ::SetBkMode(memory.get(), TRANSPARENT);
        ::SetTextColor(memory.get(), RGB(0, 0, 0));
        ::DrawTextW(memory.get(), text.c_str(), static_cast<int>(text.size()), &all, DT_NOPREFIX);
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    if (!::GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS))
        return measured.right;
    for (int x = width - 1; x >= least; --x)
        for (int y = 0; y < height; ++y)
            if ((pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF) != 0xFFFFFF)
                return x + 1;
    return least;
}

MouseEvent EventOf(UINT button, WPARAM wParam, LPARAM lParam)
{
    return MouseEvent{button, static_cast<UINT>(wParam & (MK_SHIFT | MK_CONTROL)), GET_X_LPARAM(lParam),
                      GET_Y_LPARAM(lParam)};
}

} // namespace

// Control

Control::Control(std::wstring name, std::wstring typeName) : name_(std::move(name)), typeName_(std::move(typeName)) {}

bool Control::SetCaption(const std::wstring&)
{
    return false;
}

bool Control::SetText(const std::wstring&)
{
    return false;
}

bool Control::SetToolTipText(const std::wstring& text)
{
    toolTip_ = text;
    if (!Hwnd())
        return true;
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = ::GetParent(Hwnd());
    info.uId = reinterpret_cast<UINT_PTR>(Hwnd());
    info.lpszText = toolTip_.data();
    const HWND tip = ToolTipWindow();
    if (!::SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info)))
        ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    ::SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

void Control::StoreCaption(const std::wstring& text)
{
    caption_ = text;
    if (Hwnd())
        ::SetWindowTextW(Hwnd(), caption_.c_str());
}

void Control::SetTabStop()
{
    tabStop_ = true;
    if (Hwnd())
        ::SetWindowLongW(Hwnd(), GWL_STYLE, ::GetWindowLongW(Hwnd(), GWL_STYLE) | WS_TABSTOP);
}

void Control::Create(HWND parent, const RECT& bounds, bool visible)
{
    CreateHwnd(parent, bounds, WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0) | (tabStop_ ? WS_TABSTOP : 0));
    if (Hwnd() && !caption_.empty())
        ::SetWindowTextW(Hwnd(), caption_.c_str());
    if (!toolTip_.empty())
        SetToolTipText(toolTip_);
}

void Control::SetVisible(bool visible)
{
    if (Hwnd())
        ::ShowWindow(Hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Visible() const
{
    return Hwnd() && (::GetWindowLongW(Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetEnabled(bool enabled)
{
    if (Hwnd())
        ::EnableWindow(Hwnd(), enabled);
}

bool Control::Enabled() const
{
    return Hwnd() && ::IsWindowEnabled(Hwnd());
}

void Control::Redraw() const
{
    // What nobody can see needs no paint now: a hidden or minimised window is
    // painted in full when it shows again.
    if (Hwnd() && ::IsWindowVisible(Hwnd()) && !::IsIconic(::GetAncestor(Hwnd(), GA_ROOT)))
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETCURSOR && cursor_ && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(cursor_);
        return TRUE;
    }
    return DefaultProcedure(message, wParam, lParam);
}

// MouseControl

void MouseControl::ActAsButton(const std::wstring& name)
{
    button_ = true;
    SetTabStop();
    // Only the window text: the name is no caption that the forms show or translate.
    if (Hwnd() && caption_.empty() && !name.empty())
        ::SetWindowTextW(Hwnd(), name.c_str());
}

void MouseControl::KeyClick()
{
    if (onClick)
        onClick();
}

void MouseControl::DrawFocus(HDC dc, const RECT& client) const
{
    if (!focused_ || !::IsWindowEnabled(Hwnd()))
        return;
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::DrawFocusRect(dc, &client);
}

bool MouseControl::AnswerKeys(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_GETDLGCODE: {
        // The forms' dialog navigation keeps Enter for itself unless the control asks for it.
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        const bool key = msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR || msg->message == WM_KEYUP);
        const bool wanted = key && (msg->wParam == VK_SPACE || (msg->wParam == VK_RETURN && TakesEnter()));
        result = wanted ? DLGC_WANTMESSAGE | DLGC_BUTTON : DLGC_BUTTON;
        return true;
    }
    case BM_CLICK:
        // The dialog manager's answer to the control's access key.
        if (Enabled())
            KeyClick();
        return true;
    case WM_KEYDOWN:
        // Held keys repeat; one press is one click.
        if (Enabled() && !(lParam & 0x40000000) && (wParam == VK_SPACE || (wParam == VK_RETURN && TakesEnter()))) {
            KeyClick();
            return true;
        }
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        focused_ = message == WM_SETFOCUS;
        Redraw();
        return false;
    default:
        return false;
    }
}

LRESULT MouseControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (button_ && AnswerKeys(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const UINT button = message == WM_LBUTTONDOWN ? MK_LBUTTON : message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_MBUTTON;
        ::SetCapture(Hwnd());
        pressed_ = button == MK_LBUTTON;
        if (onMouseDown)
            onMouseDown(EventOf(button, wParam, lParam));
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const UINT button = message == WM_LBUTTONUP ? MK_LBUTTON : message == WM_RBUTTONUP ? MK_RBUTTON : MK_MBUTTON;
        const bool clicked = pressed_ && button == MK_LBUTTON;
        pressed_ = false;
        if (::GetCapture() == Hwnd())
            ::ReleaseCapture();
        const MouseEvent event = EventOf(button, wParam, lParam);
        if (onMouseUp)
            onMouseUp(event);
        RECT client;
        ::GetClientRect(Hwnd(), &client);
        if (clicked && onClick && ::PtInRect(&client, POINT{event.x, event.y}))
            onClick();
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    case WM_MOUSEMOVE:
        if (onMouseMove)
            onMouseMove(EventOf(static_cast<UINT>(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)), wParam, lParam));
        return Control::HandleMessage(message, wParam, lParam);
    default:
        return Control::HandleMessage(message, wParam, lParam);
    }
}

// PictureBox

PictureBox::PictureBox(std::wstring name) : MouseControl(std::move(name), L"PictureBox") {}

void PictureBox::SetPicture(art::Picture picture)
{
    picture_ = std::move(picture);
    Redraw();
}

void PictureBox::SetBackColor(COLORREF color)
{
    backColor_ = color;
    Redraw();
}

void PictureBox::SetDrawing(Drawing drawing)
{
    drawing_ = std::move(drawing);
    // Transparent labels on the box show the drawing too, so they paint again with it.
    if (Hwnd())
        ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool PictureBox::SetCaption(const std::wstring&)
{
    return false;
}

void PictureBox::PaintContent(HDC dc, const RECT& client) const
{
    FillSolid(dc, client, backColor_);
    if (picture_) {
        win::unique_hdc source(::CreateCompatibleDC(dc));
        win::SelectedObject selected(source.get(), picture_->Handle());
        const SIZE size = picture_->Size();
        ::BitBlt(dc, 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    }
    if (drawing_)
        drawing_(dc, client);
    DrawFocus(dc, client);
}

HWND PictureBox::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    return CreateOwnWindow(PictureBoxClass, style | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, L"", bounds, parent);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (win::IsPaintMessage(message))
        return win::AnswerPaint(*this, message, wParam);
    return MouseControl::HandleMessage(message, wParam, lParam);
}

// Label

Label::Label(std::wstring name) : MouseControl(std::move(name), L"Label") {}

bool Label::SetCaption(const std::wstring& text)
{
    // Timers set the same text again and again; only a change costs anything.
    if (Hwnd() && text == caption_)
        return true;
    StoreCaption(text);
    FitToText();
    Redraw();
    return true;
}

void Label::SetFont(const Font& font)
{
    font_ = font;
    hfont_ = Hwnd() ? CreateFontFor(font_, Hwnd()) : win::unique_hfont();
    FitToText();
    Redraw();
}

void Label::SetForeColor(COLORREF color)
{
    foreColor_ = color;
    Redraw();
}

void Label::SetBackColor(COLORREF color)
{
    backColor_ = color;
    Redraw();
}

void Label::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    Redraw();
}

void Label::SetAlignment(Alignment alignment)
{
    alignment_ = alignment;
    Redraw();
}

void Label::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    FitToText();
}

void Label::FitToText()
{
    if (!autoSize_ || !Hwnd())
        return;
    win::WindowDC dc(Hwnd());
    win::SelectedObject font(dc.get(), hfont_.get());
    RECT text{0, 0, 0, 0};
    const std::wstring measured = caption_.empty() ? L" " : caption_;
    ::DrawTextW(dc.get(), measured.c_str(), static_cast<int>(measured.size()), &text, DT_CALCRECT | DT_NOPREFIX);
    int width = 0;
    if (!caption_.empty() && font_.underline) {
        // An underline runs to the text's advance, which can lie well past the
        // last letter (more so in Wine's stand-in fonts): the label ends with the
        // ink of its words, and its underline with them.
        Font words = font_;
        words.underline = false;
        width = InkedWidth(dc.get(), CreateFontFor(words, Hwnd()).get(), caption_, text, 0);
    } else if (!caption_.empty()) {
        width = InkedWidth(dc.get(), hfont_.get(), caption_, text, text.right);
    }
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, width, text.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label::PaintContent(HDC dc, const RECT& client) const
{
    if (transparent_)
        PaintParentBackground(Hwnd(), dc);
    else
        FillSolid(dc, client, backColor_);
    win::SelectedObject font(dc, hfont_.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, foreColor_);
    RECT text = client;
    ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text, TextFormat());
    DrawFocus(dc, client);
}

UINT Label::TextFormat() const
{
    const UINT align = alignment_ == Alignment::Centre ? DT_CENTER : alignment_ == Alignment::Right ? DT_RIGHT : DT_LEFT;
    // A label sized to its text never wraps: a width measured to the pixel would
    // otherwise push its last letter onto a line of its own.
    const UINT wrap = autoSize_ ? 0 : DT_WORDBREAK;
    return DT_NOPREFIX | wrap | align;
}

std::optional<CaptionBox> Label::CaptionLayout(const RECT& client) const
{
    if (!autoSize_ || !Hwnd())
        return CaptionBox{hfont_.get(), client, TextFormat()};
    const HWND parent = ::GetParent(Hwnd());
    RECT room{};
    ::GetClientRect(parent, &room);
    POINT origin{0, 0};
    ::MapWindowPoints(Hwnd(), parent, &origin, 1);
    return CaptionBox{hfont_.get(), RECT{0, 0, room.right - origin.x, room.bottom - origin.y}, TextFormat()};
}

HWND Label::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    const HWND hwnd = CreateOwnWindow(LabelClass, style, 0, L"", bounds, parent);
    hfont_ = CreateFontFor(font_, hwnd);
    FitToText();
    return hwnd;
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (win::IsPaintMessage(message))
        return win::AnswerPaint(*this, message, wParam);
    return MouseControl::HandleMessage(message, wParam, lParam);
}

// Frame

Frame::Frame(std::wstring name, bool border) : Control(std::move(name), L"Frame"), border_(border) {}

bool Frame::SetCaption(const std::wstring& text)
{
    StoreCaption(text);
    Redraw();
    return true;
}

void Frame::PaintContent(HDC dc, const RECT& client) const
{
    FillSolid(dc, client, RGB(255, 255, 255));
    if (!border_)
        return;
    RECT edge = client;
    edge.top += 6;
    ::DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (caption_.empty())
        return;
    CaptionBox box = *CaptionLayout(client);
    win::SelectedObject font(dc, box.font);
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box.area, box.format | DT_END_ELLIPSIS);
}

std::optional<CaptionBox> Frame::CaptionLayout(const RECT& client) const
{
    if (!border_)
        return std::nullopt;
    // The caption sits on the top edge, as far from either corner.
    constexpr int Inset = 8;
    return CaptionBox{CaptionFont(),
                      RECT{client.left + Inset, client.top, client.right - Inset, client.bottom},
                      DT_SINGLELINE | DT_NOPREFIX};
}

void Frame::SetFont(const Font& font)
{
    font_ = CreateFontFor(font, Hwnd());
    Redraw();
}

HFONT Frame::CaptionFont() const
{
    return font_ ? font_.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

HWND Frame::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    return CreateOwnWindow(FrameClass, style | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, L"", bounds, parent);
}

LRESULT Frame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (win::IsPaintMessage(message))
        return win::AnswerPaint(*this, message, wParam);
    if (message == WM_GETFONT)
        return reinterpret_cast<LRESULT>(CaptionFont());
    return Control::HandleMessage(message, wParam, lParam);
}

// CommandButton

CommandButton::CommandButton(std::wstring name) : Control(std::move(name), L"CommandButton") {}

bool CommandButton::SetCaption(const std::wstring& text)
{
    StoreCaption(text);
    return true;
}

void CommandButton::SetValue(bool pressed)
{
    if (pressed && onClick)
        onClick();
}

HWND CommandButton::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    const HWND hwnd = CreateSystemWindow(L"BUTTON", style | WS_TABSTOP | BS_PUSHBUTTON, 0, L"", bounds, parent);
    if (hwnd)
        ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}

void CommandButton::OnReflectedCommand(WORD code)
{
    if (code == BN_CLICKED && onClick)
        onClick();
}

// TextBox

TextBox::TextBox(std::wstring name) : Control(std::move(name), L"TextBox") {}

bool TextBox::SetText(const std::wstring& text)
{
    if (text == text_)
        return true;
    text_ = text;
    // The edit control's own EN_CHANGE then finds its text unchanged and raises nothing.
    if (Hwnd())
        ::SetWindowTextW(Hwnd(), text_.c_str());
    if (onChange)
        onChange();
    return true;
}

void TextBox::SetLocked(bool locked)
{
    locked_ = locked;
    if (Hwnd())
        ::SendMessageW(Hwnd(), EM_SETREADONLY, locked, 0);
}

HWND TextBox::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    const HWND hwnd = CreateSystemWindow(L"EDIT", style | WS_TABSTOP | ES_AUTOHSCROLL | (locked_ ? ES_READONLY : 0),
                                         WS_EX_CLIENTEDGE, text_.c_str(), bounds, parent);
    if (hwnd)
        ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}

void TextBox::OnReflectedCommand(WORD code)
{
    if (code == EN_KILLFOCUS && onLostFocus)
        onLostFocus();
    if (code != EN_CHANGE)
        return;
    const int length = ::GetWindowTextLengthW(Hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::GetWindowTextW(Hwnd(), text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    if (text == text_)
        return;
    text_ = std::move(text);
    if (onChange)
        onChange();
}

// ListBox

ListBox::ListBox(std::wstring name) : Control(std::move(name), L"ListBox") {}

void ListBox::AddItem(const std::wstring& text)
{
    ::SendMessageW(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::Clear()
{
    ::SendMessageW(Hwnd(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ListCount() const
{
    return static_cast<int>(::SendMessageW(Hwnd(), LB_GETCOUNT, 0, 0));
}

std::wstring ListBox::List(int index) const
{
    const LRESULT length = ::SendMessageW(Hwnd(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(Hwnd(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int ListBox::ListIndex() const
{
    return static_cast<int>(::SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetListIndex(int index)
{
    ::SendMessageW(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (onClick)
        onClick();
}

std::wstring ListBox::SelectedText() const
{
    const int index = ListIndex();
    return index < 0 ? std::wstring() : List(index);
}

HWND ListBox::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    // No LBS_SORT: entries stay in the order in which they were added.
    const HWND hwnd = CreateSystemWindow(L"LISTBOX", style | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                         WS_EX_CLIENTEDGE, L"", bounds, parent);
    if (hwnd)
        ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}

void ListBox::OnReflectedCommand(WORD code)
{
    if (code == LBN_SELCHANGE && onClick)
        onClick();
}

HBRUSH ListBox::OnReflectedColor(HDC)
{
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

// HScrollBar

HScrollBar::HScrollBar(std::wstring name) : Control(std::move(name), L"HScrollBar") {}

void HScrollBar::SetRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    value_ = std::clamp(value_, minimum_, maximum_);
    ShowValue();
}

void HScrollBar::SetChanges(int smallChange, int largeChange)
{
    small_ = smallChange;
    large_ = largeChange;
}

bool HScrollBar::SetValue(int value)
{
    if (value < minimum_ || value > maximum_)
        return false;
    if (value == value_)
        return true;
    value_ = value;
    ShowValue();
    if (onChange)
        onChange();
    return true;
}

void HScrollBar::ShowValue() const
{
    if (!Hwnd())
        return;
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, minimum_, maximum_, 0, value_, 0};
    ::SetScrollInfo(Hwnd(), SB_CTL, &info, TRUE);
}

HWND HScrollBar::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    const HWND hwnd = CreateSystemWindow(L"SCROLLBAR", style | WS_TABSTOP | SBS_HORZ, 0, L"", bounds, parent);
    ShowValue();
    return hwnd;
}

void HScrollBar::OnReflectedScroll(WORD code, int trackPosition)
{
    switch (code) {
    case SB_LINELEFT: SetValue(std::max(minimum_, value_ - small_)); break;
    case SB_LINERIGHT: SetValue(std::min(maximum_, value_ + small_)); break;
    case SB_PAGELEFT: SetValue(std::max(minimum_, value_ - large_)); break;
    case SB_PAGERIGHT: SetValue(std::min(maximum_, value_ + large_)); break;
    case SB_LEFT: SetValue(minimum_); break;
    case SB_RIGHT: SetValue(maximum_); break;
    // The change comes when the thumb is let go, not while it is dragged.
    case SB_THUMBPOSITION: SetValue(std::clamp(trackPosition, minimum_, maximum_)); break;
    default: break;
    }
}

// Timer

namespace {

constexpr UINT_PTR TimerId = 1;
constexpr wchar_t TimerClass[] = L"BrvtTimer";

// The one Windows timer on which the timers of shared intervals ride; it
// hands each of them its tick as a WM_TIMER of its own window.
class SharedTick : public Window {
public:
    static SharedTick& Instance()
    {
        // Never destroyed: timers of forms that outlive main still leave it.
        static SharedTick* const instance = new SharedTick;
        return *instance;
    }

    void Start(Timer& timer, unsigned interval)
    {
        schedule_.Start(&timer, interval, ::GetTickCount());
        Arm();
    }

    void Stop(Timer& timer)
    {
        schedule_.Stop(&timer, ::GetTickCount());
        Arm();
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER && wParam == TickId) {
            OnTick();
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }

private:
    static constexpr UINT_PTR TickId = 1;

    void Arm()
    {
        if (schedule_.Period() == armed_)
            return;
        armed_ = schedule_.Period();
        if (armed_ == 0) {
            ::KillTimer(Hwnd(), TickId);
            return;
        }
        if (!Hwnd())
            CreateOwnWindow(L"BrvtSharedTick", 0, 0, L"", RECT{}, HWND_MESSAGE);
        ::SetTimer(Hwnd(), TickId, armed_, nullptr);
    }

    void OnTick()
    {
        for (ticks::TickSchedule::Id id : schedule_.Due(::GetTickCount())) {
            // An earlier handler may have stopped or destroyed this one.
            if (!schedule_.Contains(id))
                continue;
            auto& timer = *static_cast<Timer*>(const_cast<void*>(id));
            if (timer.Hwnd())
                ::SendMessageW(timer.Hwnd(), WM_TIMER, TimerId, 0);
            else
                Stop(timer);  // its form has gone
        }
    }

    unsigned armed_ = 0;
    ticks::TickSchedule schedule_;
};

} // namespace

Timer::Timer(std::wstring name) : Control(std::move(name), L"Timer") {}

void Timer::SetInterval(UINT milliseconds)
{
    interval_ = milliseconds;
    Restart();
}

void Timer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Control::SetEnabled(enabled);
    Restart();
}

Timer::~Timer()
{
    SharedTick::Instance().Stop(*this);
}

void Timer::Restart()
{
    const bool running = Hwnd() && enabled_ && interval_ > 0;
    if (running && ticks::TickSchedule::Shares(interval_)) {
        ::KillTimer(Hwnd(), TimerId);
        SharedTick::Instance().Start(*this, interval_);
        return;
    }
    SharedTick::Instance().Stop(*this);
    if (running)
        ::SetTimer(Hwnd(), TimerId, interval_, nullptr);
    else if (Hwnd())
        ::KillTimer(Hwnd(), TimerId);
}

HWND Timer::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    const HWND hwnd = CreateOwnWindow(TimerClass, style & ~WS_VISIBLE, 0, L"", bounds, parent);
    ::EnableWindow(hwnd, enabled_);
    Restart();
    return hwnd;
}

LRESULT Timer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == TimerId) {
        // A handler that switched the timer off has the last word.
        if (enabled_ && onTimer)
            onTimer();
        return 0;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

} // namespace ui
