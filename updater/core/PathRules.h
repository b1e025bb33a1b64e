#pragma once
// Where the update program may write and what it may start: a path from
// Skyvell.ini is taken apart as Windows would read it, and it must name a
// file inside a given folder. Short (8.3) names are the caller's to expand,
// since only the file system knows them.
#include <optional>
#include <string>
#include <string_view>

namespace pathrules {

// An absolute path on a drive ("c:\a\b") or a network share
// ("\\server\share\a") in one plain form: forward slashes become
// backslashes, repeated separators fold, "." and ".." are resolved, and
// trailing dots and blanks go from every name, as Windows drops them.
// Nothing for anything else: a relative, drive-relative or rooted path, a
// device path ("\\.\", "\\?\"), a device name ("con", "nul.txt", "lpt1"),
// a stream (a second ":"), a wildcard or another character no file name may
// hold, a name of dots and blanks alone, or ".." above the drive's root or the
// share. The drive root itself is "c:\", a share's "\\server\share".
std::optional<std::wstring> NormalizePath(std::wstring_view path);

// True when `path` lies below `folder`, both in the form above; the case of
// ASCII letters does not count.
bool IsInsideFolder(std::wstring_view path, std::wstring_view folder);

} // namespace pathrules
