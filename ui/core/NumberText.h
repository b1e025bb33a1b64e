#pragma once
// The two ways the language pass reads a control's Tag as a string number.
#include <cstdint>
#include <optional>
#include <string_view>

namespace numbertext {

// The whole text, blanks around it allowed, as a 16-bit integer: an optional
// sign and decimal digits only. Empty text, other characters or a value outside
// -32768..32767 give nothing.
std::optional<std::int16_t> StrictInteger(std::wstring_view text);

// The number the text starts with, BASIC's Val way: leading blanks skipped, an
// optional sign, digits, a decimal point and more digits; text that does not
// start with a number counts as 0. Rounded half to even as CInt rounds; a
// rounded value outside -32768..32767 gives nothing.
std::optional<std::int16_t> RoundedLeadingValue(std::wstring_view text);

} // namespace numbertext
