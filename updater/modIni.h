#pragma once
// Reading Skyvell.ini, the update program's configuration.
#include <string>
#include <string_view>

namespace modIni {

// The value of a key, or "" when the file, the section or the key is missing.
// Values longer than 253 characters arrive cut to 253.
std::wstring ReadIniValue(const std::wstring& file, std::wstring_view section, std::wstring_view key);

} // namespace modIni
