#include "ui/core/FileNameRules.h"

#include <array>

namespace filenamerules {

namespace {

wchar_t LowerAscii(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

} // namespace

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

bool IsForbiddenInName(wchar_t c)
{
    return c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos;
}

bool IsDeviceName(std::wstring_view name)
{
    std::wstring_view base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.remove_suffix(1);
    static constexpr std::array<std::wstring_view, 7> Plain{L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$",
                                                           L"clock$"};
    for (const std::wstring_view device : Plain)
        if (EqualIgnoringAsciiCase(base, device))
            return true;
    // COM0..COM9 and LPT0..LPT9, also with the superscript digits 1, 2 and 3.
    if (base.size() != 4 || !(EqualIgnoringAsciiCase(base.substr(0, 3), L"com") ||
                              EqualIgnoringAsciiCase(base.substr(0, 3), L"lpt")))
        return false;
    const wchar_t digit = base[3];
    return (digit >= L'0' && digit <= L'9') || digit == L'\u00b9' || digit == L'\u00b2' || digit == L'\u00b3';
}

} // namespace filenamerules
