#pragma once
// Paths from Skyvell.ini, held to the folder they must stay in: downloads to
// the download folder, the program that Finish starts to the install root.
#include <optional>
#include <string>

namespace modPaths {

// The file that an absolute `path` names, in plain form with its short (8.3)
// names expanded as far as it exists, when that file lies inside `folder`;
// nothing when it lies elsewhere or is no plain file path on a drive (see
// pathrules::NormalizePath for what is refused).
std::optional<std::wstring> FileInside(const std::wstring& path, const std::wstring& folder);

} // namespace modPaths
