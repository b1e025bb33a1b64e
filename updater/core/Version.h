#pragma once
// The version number of brvtupdate.txt: the first line read as a decimal
// number in the locale's notation, kept as a fixed-point number with four
// decimals, as a currency value holds it.
#include <cstdint>
#include <optional>
#include <string_view>

namespace version {

// Ten thousand units a whole number.
inline constexpr std::int64_t Scale = 10000;

// Blanks around the number are allowed, then an optional sign, digits and,
// after the locale's decimal separator, more digits; decimals beyond the
// fourth round half to even. Anything else, no digit at all, or a value
// beyond 64 bits gives nothing.
std::optional<std::int64_t> ParseVersion(std::string_view line, std::string_view decimalSeparator);

// The number of a line, 0 when it is none: a file without a version is never newer.
std::int64_t VersionOrZero(std::string_view line, std::string_view decimalSeparator);

} // namespace version
