#pragma once
// The separators of the user's locale that the programs' texts use.
#include <string>

namespace modLocale {

std::wstring DecimalSeparator();
std::wstring DateSeparator();
std::wstring TimeSeparator();

} // namespace modLocale
