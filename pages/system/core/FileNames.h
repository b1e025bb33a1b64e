#pragma once
// Paths and name patterns as the disk cleaner uses them.
#include <string>
#include <string_view>

namespace filenames {

// The path with a closing backslash: "C:\" stays as it is, "C:\Temp" becomes "C:\Temp\".
std::wstring WithClosingBackslash(std::wstring path);

// Whether a file's long name matches a pattern of "*" (any run of characters)
// and "?" (one character), letters compared without case. Unlike the system's
// search, which also tries the short 8.3 name, "*.tmp" never matches "a.tmpl".
bool MatchesPattern(std::wstring_view name, std::wstring_view pattern);

} // namespace filenames
