#pragma once
#include <string>
#include <string_view>

namespace paths {

// The update program lies one folder above the main program's folder.
// A drive root such as "C:\" gives "C:" as the parent, so "C:\Skyvell.exe".
std::wstring UpdateProgramPath(std::wstring_view programFolder);

// A file beside the program: the folder, a backslash unless it already ends with one, the name.
std::wstring InProgramFolder(std::wstring_view programFolder, std::wstring_view fileName);

} // namespace paths
