#include "pages/utilities/core/DriveLetters.h"

namespace vdrive {

std::vector<std::wstring> LetterEntries()
{
    std::vector<std::wstring> entries{NoLetter};
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter)
        entries.push_back(std::wstring(1, letter) + L":");
    return entries;
}

std::wstring UnqualifyPath(std::wstring_view path)
{
    if (!path.empty() && path.back() == L'\\')
        path.remove_suffix(1);
    return std::wstring(path);
}

} // namespace vdrive
