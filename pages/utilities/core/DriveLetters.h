#pragma once
// The virtual drive page's letter list and its folder path rule.
#include <string>
#include <string_view>
#include <vector>

namespace vdrive {

// The list's first entry, which stands for no letter.
inline constexpr wchar_t NoLetter[] = L"Drives:";

// "Drives:", then "A:" to "Z:", whether or not a drive of that letter exists.
std::vector<std::wstring> LetterEntries();

// The path without its last character when that is one backslash; anything else unchanged.
std::wstring UnqualifyPath(std::wstring_view path);

} // namespace vdrive
