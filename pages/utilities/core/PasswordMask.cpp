#include "pages/utilities/core/PasswordMask.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace passwords {

namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

} // namespace

std::optional<std::int32_t> PasswordCount(std::wstring_view text)
{
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(L' ') - first + 1);
    // A sign, digits and at most one decimal point; strtod alone would take "inf" and hex too.
    std::string number;
    bool digits = false;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        const bool sign = i == 0 && (c == L'+' || c == L'-');
        if (c == L'.' && !point)
            point = true;
        else if (IsDigit(c))
            digits = true;
        else if (!sign)
            return std::nullopt;
        number += static_cast<char>(c);
    }
    if (!digits)
        return std::nullopt;
    const double value = std::strtod(number.c_str(), nullptr);
    if (value > MaxCount || value < 1)
        return std::nullopt;
    return static_cast<std::int32_t>(std::nearbyint(value));
}

bool HasPlaceholder(std::wstring_view mask)
{
    return mask.find_first_of(L"#Xx") != std::wstring_view::npos;
}

std::wstring WithCapitalX(std::wstring mask)
{
    for (wchar_t& c : mask)
        if (c == L'x')
            c = L'X';
    return mask;
}

std::wstring FillMask(std::wstring_view mask, const UniformBelow& below)
{
    std::wstring password(mask);
    for (wchar_t& c : password) {
        if (c == L'#')
            c = static_cast<wchar_t>(L'0' + below(10));
        else if (c == L'X')
            c = static_cast<wchar_t>(L'A' + below(26));
    }
    return password;
}

std::uint32_t Below(std::uint32_t bound, const std::function<std::uint32_t()>& nextWord)
{
    // 2^32 mod bound words at the top of the range would favour the low values.
    const std::uint32_t limit = static_cast<std::uint32_t>(-bound) % bound;
    for (;;) {
        const std::uint32_t word = nextWord();
        if (word >= limit)
            return word % bound;
    }
}

} // namespace passwords
