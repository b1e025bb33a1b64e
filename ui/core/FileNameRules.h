#pragma once
// What Windows makes of one name in a folder, told from the name alone.
#include <string_view>

namespace filenamerules {

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);

// A control character or one of <>:"|?*, which no file name may hold.
bool IsForbiddenInName(wchar_t c);

// A name that Windows takes for a device in any folder and with any
// extension, blanks before the extension too: "con", "NUL.txt", "aux .dat",
// "com1", "lpt\u00b3", "conin$".
bool IsDeviceName(std::wstring_view name);

} // namespace filenamerules
