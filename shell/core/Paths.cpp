#include "shell/core/Paths.h"

namespace paths {

std::wstring UpdateProgramPath(std::wstring_view programFolder)
{
    const size_t lastBackslash = programFolder.rfind(L'\\');
    const std::wstring_view parent = lastBackslash == std::wstring_view::npos
        ? std::wstring_view{}
        : programFolder.substr(0, lastBackslash);
    return std::wstring(parent) + L"\\Skyvell.exe";
}

std::wstring InProgramFolder(std::wstring_view programFolder, std::wstring_view fileName)
{
    std::wstring path(programFolder);
    if (path.empty() || path.back() != L'\\')
        path += L'\\';
    return path + std::wstring(fileName);
}

} // namespace paths
