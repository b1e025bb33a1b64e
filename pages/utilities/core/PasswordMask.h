#pragma once
// Password masks: "#" stands for a digit, a capital "X" for a capital letter,
// any other character is copied. The count of passwords a run makes.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace passwords {

inline constexpr std::int32_t MaxCount = 1000;

// The count box's text as a number of passwords: a decimal number from 1 to
// 1000 with blanks around it allowed, rounded to the nearest whole number
// (halves to even). Nothing for other text or another value.
std::optional<std::int32_t> PasswordCount(std::wstring_view text);

// Whether a custom mask draws anything: it holds "#" or an "X" of either case.
bool HasPlaceholder(std::wstring_view mask);

// The mask with every lowercase "x" made a capital one.
std::wstring WithCapitalX(std::wstring mask);

// A value from 0 to bound - 1, each equally likely.
using UniformBelow = std::function<std::uint32_t(std::uint32_t bound)>;

// One password: every "#" a digit 0 to 9, every "X" a letter A to Z, drawn uniformly.
std::wstring FillMask(std::wstring_view mask, const UniformBelow& below);

// A uniform value below bound (1 or more) from uniform 32-bit words: words in
// the incomplete last run of bound values are drawn again, so no value is favoured.
std::uint32_t Below(std::uint32_t bound, const std::function<std::uint32_t()>& nextWord);

} // namespace passwords
