#pragma once
// The language files: numbered texts beside the program, the translation of a
// form's controls by the string numbers in their Tags, and the list of the
// installed languages.
#include <cstdint>
#include <initializer_list>
#include <string>

namespace ui {
class Form;
class ListBox;
} // namespace ui

namespace basLAnguageSelector {

// The text of a string number in <program folder>\<fileName>; "" when no line has the number.
// A missing or unreadable file, or a bad line anywhere in it, ends the program. A name
// that is no plain file name, a folder, a device or an oversized file counts as missing.
std::wstring GetLanguageString(std::int16_t number, const std::wstring& fileName);

// Gives the form's caption and every control its text by the string number in its Tag.
// Loads the form first when it is not loaded yet, as touching a form does.
void ApplyLanguage(ui::Form& form, const std::wstring& fileName);

// The file name of the language that the last pass applied; "" before any pass.
// Forms that load after the pass and the messages of the pages take their texts from it.
void SetCurrentLanguage(const std::wstring& fileName);
const std::wstring& CurrentLanguage();

// A message of a page in the current language: the text of its string number,
// with "%1", "%2", ... replaced by the inserts. The English text stands in when
// no pass has run or the file lacks the number; a file that cannot be read then
// gives the English text too rather than ending the program in mid-message.
std::wstring LanguageText(std::int16_t number, const wchar_t* english, std::initializer_list<std::wstring> inserts = {});

// Adds the names (less ".bvl") of the program folder's normal files matching the pattern, in the file system's order.
void FillLanguageList(const std::wstring& pattern, ui::ListBox& list);

} // namespace basLAnguageSelector
