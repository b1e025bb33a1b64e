#pragma once
// The RAM cleaner's figures, from the memory status in bytes.
#include <cstdint>
#include <functional>
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

// The cleaning lets the event loop run after each this many bytes it writes:
// even where every new page costs a slow fault, the window answers in time.
inline constexpr std::uint64_t TurnBytes = 1 << 20;

// Writes `characters` spaces (U+0020) from `block` on, a machine word at a
// time, and calls `turn` after each TurnBytes and after the last piece (once
// for an empty block). Stops and returns false as soon as `turn` does.
bool FillWithSpaces(char16_t* block, std::uint64_t characters, const std::function<bool()>& turn);

} // namespace ram
