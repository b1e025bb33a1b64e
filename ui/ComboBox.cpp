#include "ui/ComboBox.h"

#include <cwctype>

namespace ui {

namespace {

// The table gives the closed field; the window also holds the dropped list.
constexpr int DroppedListHeight = 160;

} // namespace

ComboBox::ComboBox(std::wstring name, Kind kind) : ComboBox(std::move(name), L"ComboBox", kind) {}

ComboBox::ComboBox(std::wstring name, std::wstring typeName, Kind kind)
    : Control(std::move(name), std::move(typeName)), kind_(kind)
{
}

void ComboBox::AddItem(const std::wstring& text)
{
    ::SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ComboBox::Clear()
{
    ::SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0);
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
    const DWORD kind = kind_ == Kind::Editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
    const HWND hwnd = CreateSystemWindow(L"COMBOBOX", style | WS_TABSTOP | WS_VSCROLL | kind, 0, L"", dropped, parent);
    if (hwnd)
        ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}

// DriveListBox

DriveListBox::DriveListBox(std::wstring name) : ComboBox(std::move(name), L"DriveListBox", Kind::PickOnly) {}

void DriveListBox::Refresh()
{
    std::wstring selected = Text();
    if (selected.empty()) {
        // At first the drive of the current folder, as a drive list starts.
        wchar_t folder[MAX_PATH] = L"";
        ::GetCurrentDirectoryW(MAX_PATH, folder);
        selected = folder;
    }
    Clear();
    // No "insert a disk" box for an empty floppy or card drive.
    const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    const DWORD drives = ::GetLogicalDrives();
    for (wchar_t letter = L'a'; letter <= L'z'; ++letter) {
        if (!(drives & (1u << (letter - L'a'))))
            continue;
        std::wstring entry{letter, L':'};
        const std::wstring root = entry + L"\\";
        wchar_t label[MAX_PATH + 1] = L"";
        // Only fixed drives are asked for their label: a removable or network one may take long to answer.
        if (::GetDriveTypeW(root.c_str()) == DRIVE_FIXED &&
            ::GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0) &&
            label[0])
            entry += L" [" + std::wstring(label) + L"]";
        AddItem(entry);
    }
    ::SetErrorMode(previousMode);
    // The drive that was selected, by its letter; else the first.
    int keep = 0;
    for (int index = 0; index < ListCount(); ++index)
        if (selected.size() >= 2 && selected[1] == L':' && List(index)[0] == std::towlower(selected[0]))
            keep = index;
    SetListIndex(keep);
}

HWND DriveListBox::CreateHwnd(HWND parent, const RECT& bounds, DWORD style)
{
    const HWND hwnd = ComboBox::CreateHwnd(parent, bounds, style);
    Refresh();
    return hwnd;
}

} // namespace ui
