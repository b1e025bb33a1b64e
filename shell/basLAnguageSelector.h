#pragma once
// The language files: numbered texts beside the program, the translation of a
// form's controls by the string numbers in their Tags, and the list of the
// installed languages.
#include <cstdint>
#include <string>

namespace ui {
class Form;
class ListBox;
} // namespace ui

namespace basLAnguageSelector {

// The text of a string number in <program folder>\<fileName>; "" when no line has the number.
// A missing or unreadable file, or a bad line anywhere in it, ends the program.
std::wstring GetLanguageString(std::int16_t number, const std::wstring& fileName);

// Gives the form's caption and every control its text by the string number in its Tag.
// Loads the form first when it is not loaded yet, as touching a form does.
void ApplyLanguage(ui::Form& form, const std::wstring& fileName);

// Adds the names (less ".bvl") of the program folder's normal files matching the pattern, in the file system's order.
void FillLanguageList(const std::wstring& pattern, ui::ListBox& list);

} // namespace basLAnguageSelector
