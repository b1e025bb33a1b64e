#pragma once
// The tweak pages' registry rows as data, and the one walker behind every
// page's load and clicks: a control stands for one or more rows, its load
// ticks it when a row's value reads as that row's load text, and its click
// writes its rows in table order. What a page does beyond that it writes
// itself, beside its table.
#include "shell/Registry.h"
#include "ui/SkinControls.h"

#include <string>

namespace tweaks {

enum class Kind { Dword, String };

// What one state of a control does to its row's value: writes the data
// (a DWORD as its decimal text), deletes the value, or leaves it alone.
class Data {
public:
    constexpr Data(const wchar_t* saved) noexcept : op_(Op::Save), text_(saved) {}
    static constexpr Data Delete() noexcept { return Data(Op::Delete); }
    static constexpr Data Nothing() noexcept { return Data(Op::Nothing); }

    void ApplyTo(RegRoot root, const wchar_t* key, const wchar_t* value, Kind kind) const;

private:
    enum class Op { Save, Delete, Nothing };
    constexpr explicit Data(Op op) noexcept : op_(op) {}

    Op op_;
    const wchar_t* text_ = nullptr;
};

// One registry value of a page: where it lives, its kind, what the ticked and
// the unticked state write, and the text that ticks the control at load
// (null: the load does not read it). An option button writes its ticked data.
struct Row {
    RegRoot root;
    const wchar_t* key;
    const wchar_t* value;
    Kind kind;
    Data ticked;
    Data unticked;
    const wchar_t* tickedAtLoad = nullptr;

    // The value as the load compares it: a DWORD (default 0) as its decimal
    // text, a string (default "") as it stands; a value of the wrong kind reads as the default.
    std::wstring ReadText() const;
    void Write(bool tickedState) const;
};

// A row and the control of the page that stands for it.
template <class Page, class Control>
struct Entry {
    Control Page::*control;
    Row row;
};

inline void Select(ui::SevCheck& box)
{
    box.SetValue(1);
}

inline void Select(ui::SevOption& option)
{
    option.SetValue(true);
}

// A greyed box counts as unticked; an option writes its own values whatever its state.
inline bool WritesTicked(const ui::SevCheck& box)
{
    return box.Ticked();
}

inline bool WritesTicked(const ui::SevOption&)
{
    return true;
}

// Ticks or selects each control whose read row holds its load text, in table
// order. It never unticks and writes nothing.
template <class Page, class Table>
void Load(Page& page, const Table& table)
{
    for (const auto& entry : table)
        if (entry.row.tickedAtLoad && entry.row.ReadText() == entry.row.tickedAtLoad)
            Select(page.*entry.control);
}

// Writes the rows of one control, in table order, for the state it shows now.
template <class Page, class Table, class Control>
void WriteRows(Page& page, const Table& table, const Control& control)
{
    const bool ticked = WritesTicked(control);
    for (const auto& entry : table)
        if (&(page.*entry.control) == &control)
            entry.row.Write(ticked);
}

// Makes every control of the table write its rows when it is clicked. A page
// whose control does more sets that control's onClick afterwards.
template <class Page, class Table>
void BindClicks(Page& page, const Table& table)
{
    for (const auto& entry : table) {
        auto& control = page.*entry.control;
        control.onClick = [&page, &table, &control] { WriteRows(page, table, control); };
    }
}

} // namespace tweaks
