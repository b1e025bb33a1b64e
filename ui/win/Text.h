#pragma once
// The program works in UTF-16; the registry and the language files are ANSI.
#include <string>
#include <string_view>

namespace win {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

} // namespace win
