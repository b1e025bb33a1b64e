#pragma once
// The RAM cleaner's figures, from the memory status in bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace ram {

// The cleaning claims this many blocks of BlockCharacters each, one per step.
inline constexpr int Blocks = 21;

// bytes / 1024 to the nearest whole number, halves to even: the bar's unit.
std::uint64_t Kilobytes(std::uint64_t bytes);

// bytes / 1024 / 1024 as it is, in its shortest decimal text of at most 15
// significant digits, with the user's decimal separator: "123.45703125".
std::wstring Megabytes(std::uint64_t bytes, std::wstring_view decimalSeparator);

// A sixtieth of the physical memory, in two-byte characters (halves to even):
// the 21 blocks together hold 70 % of it.
std::uint64_t BlockCharacters(std::uint64_t totalPhysical);

} // namespace ram
