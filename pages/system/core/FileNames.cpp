#include "pages/system/core/FileNames.h"

namespace filenames {

namespace {

wchar_t Folded(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

} // namespace

std::wstring WithClosingBackslash(std::wstring path)
{
    if (path.empty() || path.back() != L'\\')
        path += L'\\';
    return path;
}

bool MatchesPattern(std::wstring_view name, std::wstring_view pattern)
{
    size_t n = 0;
    size_t p = 0;
    // Where the last "*" stood, and the name position it has taken up to.
    size_t starAt = std::wstring_view::npos;
    size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starAt = p++;
            starName = n;
        } else if (p < pattern.size() && (pattern[p] == L'?' || Folded(pattern[p]) == Folded(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::wstring_view::npos) {
            // Let the last "*" take one more character and try again from there.
            p = starAt + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

} // namespace filenames
