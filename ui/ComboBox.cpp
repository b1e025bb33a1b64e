#include "ui/ComboBox.h"

namespace ui {

namespace {

// The table gives the closed field; the window also holds the dropped list.
constexpr int DroppedListHeight = 160;

} // namespace

ComboBox::ComboBox(std::wstring name) : Control(std::move(name), L"ComboBox") {}

void ComboBox::AddItem(const std::wstring& text)
{
    ::SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ComboBox::ListCount() const
{
    return static_cast<int>(::SendMessageW(Hwnd(), CB_GETCOUNT, 0, 0));
}

std::wstring ComboBox::List(int index) const
{
    const LRESULT length = ::SendMessageW(Hwnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(Hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int ComboBox::ListIndex() const
{
    return static_cast<int>(::SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetListIndex(int index)
{
    ::SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring ComboBox::Text() const
{
    const int length = ::GetWindowTextLengthW(Hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::GetWindowTextW(Hwnd(), text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

bool ComboBox::SetText(const std::wstring& text)
{
    ::SetWindowTextW(Hwnd(), text.c_str());
    return true;
}

HWND ComboBox::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    RECT dropped = bounds;
    dropped.bottom += DroppedListHeight;
    const HWND hwnd = CreateSystemWindow(L"COMBOBOX", style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                         0, L"", dropped, parent);
    if (hwnd)
        ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}

} // namespace ui
