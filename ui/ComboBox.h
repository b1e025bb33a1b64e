#pragma once
// An editable drop-down list: an edit field with a list of entries to pick
// from. What counts is the field's text, picked or typed.
#include "ui/Controls.h"

#include <string>

namespace ui {

class ComboBox : public Control {
public:
    explicit ComboBox(std::wstring name);

    void AddItem(const std::wstring& text);
    int ListCount() const;
    std::wstring List(int index) const;
    int ListIndex() const;
    // Picks an entry, which puts its text into the field.
    void SetListIndex(int index);
    std::wstring Text() const;
    bool SetText(const std::wstring& text) override;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
};

} // namespace ui
