#pragma once
// Values of Skyvell.ini as the profile call hands them over.
#include <cstddef>
#include <string>
#include <string_view>

namespace inivalue {

// The default the reader asks for: a value that starts with it counts as missing.
inline constexpr char Unassigned[] = "(Unassigned)";
// The reader's buffer holds 254 characters with the closing NUL.
inline constexpr std::size_t MaxLength = 253;

// The value in a buffer the profile call filled: "" when it starts with
// "(Unassigned)", else the text before the first NUL, at most 253 characters.
std::string ValueFromBuffer(std::string_view buffer);

} // namespace inivalue
