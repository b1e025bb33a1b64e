#pragma once
// Drop-down lists: an editable one, an edit field with a list of entries to
// pick from, where what counts is the field's text, picked or typed; or one
// that takes only its entries. Either shows its text as its window text.
#include "ui/Controls.h"

#include <string>

namespace ui {

class ComboBox : public Control {
public:
    enum class Kind { Editable, PickOnly };
    explicit ComboBox(std::wstring name, Kind kind = Kind::Editable);

    void AddItem(const std::wstring& text);
    int ListCount() const;
    std::wstring List(int index) const;
    int ListIndex() const;
    // Picks an entry, which puts its text into the field.
    void SetListIndex(int index);
    std::wstring Text() const;
    bool SetText(const std::wstring& text) override;
    void Clear();

protected:
    ComboBox(std::wstring name, std::wstring typeName, Kind kind);
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;

private:
    Kind kind_;
};

// The drives that exist, as "c: [label]", in a list that takes only its entries.
class DriveListBox : public ComboBox {
public:
    explicit DriveListBox(std::wstring name);

    // Lists the drives anew and keeps the selected drive when it is still there.
    void Refresh();

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
};

} // namespace ui
