#pragma once
// The lines of the batch files that the virtual drive page and the splitter
// write for the command interpreter.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

inline constexpr wchar_t LineEnd[] = L"\r\n";
// The command interpreter's longest line; a longer one it refuses to run.
inline constexpr std::size_t MaxLineLength = 8191;

// A file name or path as one argument of a command: quoted when it holds a
// blank or a character that the command interpreter would take for syntax,
// and every percent sign doubled, so the name reaches the command as it is.
std::wstring Argument(std::wstring_view name);

// make.bat: "@echo off", then "subst <letter> <path>".
std::wstring SubstCreate(std::wstring_view letter, std::wstring_view shortPath);
// nomake.bat: "@echo off", then "subst <letter> /D".
std::wstring SubstDelete(std::wstring_view letter);

// The joining batch file of a split: "copy /b part1 + part2 + ... target", one
// line as long as it fits the command interpreter. A longer set goes on in
// further lines that each append the next parts to the target, as
// "copy /b target + part + ... target".
std::wstring JoinParts(const std::vector<std::wstring>& partNames, std::wstring_view targetName);

} // namespace batch
