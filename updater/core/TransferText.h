#pragma once
// The texts of the transfer display: sizes and speeds in one-decimal "###0.0"
// form, the share done and the time left. The decimal separator is the
// locale's, passed in by the caller. Any size up to 2^63 - 1 bytes is taken
// without overflow.
#include <cstdint>
#include <string>
#include <string_view>

namespace transfertext {

// "Time remaining : 2 minutes 5 seconds" for 125 seconds.
std::wstring FormatTimeRemaining(std::int32_t seconds);

// done of size in whole percent, halves to the even neighbour, kept within
// 0..100 (a server may send more than it listed, or list nothing).
int PercentDone(std::int64_t size, std::int64_t done);

// Width of the bar in twips: 41.5 a percent, 4150 at 100 %.
int BarWidthTwips(int percent);

// "5.0Kb / 10.0 Kb": units of 1000 bytes.
std::wstring FileSizeText(std::int64_t done, std::int64_t size, std::wstring_view decimalSeparator);

// "Average : 4.0 / Kbps" for the bytes of the last second, in units of 1024.
std::wstring AverageText(std::int64_t bytesLastSecond, std::wstring_view decimalSeparator);

// The bytes still to come divided by those of the last second, halves to
// even, at most the largest 32-bit number; nothing left (or more received
// than listed) gives 0.
std::int32_t SecondsRemaining(std::int64_t size, std::int64_t done, std::int64_t bytesLastSecond);

} // namespace transfertext
