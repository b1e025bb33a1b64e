#pragma once
// Command lines for the programs that the two programs start: only by a full
// path, never by a bare name that the system would look up in the current
// folder, the program's folder or PATH, which any program of the user can set.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace commandline {

// "X:\..." or "\\server\share\...": a path that the system takes as it is,
// with no search. Not the device forms "\\?\" and "\\.\".
bool IsFullPath(std::wstring_view path);

// One argument as the started program reads it back (CommandLineToArgvW's
// rules): as it is without blank, tab or quote, else in quotes with its
// quotes and the backslashes before them escaped.
std::wstring Quoted(std::wstring_view argument);

// The program's own path as the first argument, then the arguments as given.
std::wstring Line(std::wstring_view program, std::wstring_view arguments);

// The text with each %NAME% replaced by its value in `known` (names compared
// without case); nothing when it names a variable not in `known` or has a
// lone %. A registered path may only use the system's own folders: the user's
// environment could name any folder by them.
using Variables = std::vector<std::pair<std::wstring, std::wstring>>;
std::optional<std::wstring> ExpandKnown(std::wstring_view text, const Variables& known);

} // namespace commandline
