#include "pages/utilities/core/SplitParts.h"

#include <cmath>
#include <cwchar>
#include <limits>

namespace split {

namespace {

constexpr bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

constexpr bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

constexpr wchar_t AsciiLower(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Where the file's name begins: after the last folder separator.
std::size_t NameStart(std::wstring_view path)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring_view::npos ? 0 : separator + 1;
}

// The three-digit "000" format, wider for numbers from 1000 on.
std::wstring NumberText(std::uint64_t number)
{
    std::wstring digits = std::to_wstring(number);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), L'0');
    return digits;
}

} // namespace

double LeadingNumber(std::wstring_view text)
{
    std::wstring number;
    bool digits = false;
    bool point = false;
    for (const wchar_t c : text) {
        if (IsBlank(c))
            continue;
        if ((c == L'+' || c == L'-') && number.empty()) {
            number += c;
            continue;
        }
        if (IsDigit(c)) {
            digits = true;
            number += c;
            continue;
        }
        if (c == L'.' && !point) {
            point = true;
            number += c;
            continue;
        }
        break;
    }
    if (!digits)
        return 0;
    return std::wcstod(number.c_str(), nullptr);
}

std::int64_t KilobytesToBytes(double kilobytes)
{
    const double bytes = std::nearbyint(kilobytes * 1024);  // the default rounding: halves to even
    constexpr double Limit = 9223372036854775807.0;          // 2^63, the first value 64 bits cannot hold
    if (bytes >= Limit)
        return std::numeric_limits<std::int64_t>::max();
    if (bytes <= -Limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(bytes);
}

std::wstring GetPartPrefix(std::wstring_view path)
{
    // A dot in a folder's name ("C:\Users\john.doe\data") would put the parts into the folder above.
    const std::size_t dot = path.rfind(L'.');
    if (dot == std::wstring_view::npos || dot < NameStart(path))
        return std::wstring(path) + L".";
    return std::wstring(path.substr(0, dot + 1));
}

std::wstring PartName(std::wstring_view prefix, std::uint64_t number)
{
    return std::wstring(prefix) + NumberText(number);
}

std::wstring BatchFileName(std::wstring_view prefix)
{
    return std::wstring(prefix) + L"bat";
}

std::wstring GetFileTitleOf(std::wstring_view path)
{
    return std::wstring(path.substr(NameStart(path)));
}

std::uint64_t PartCount(std::uint64_t total, std::uint64_t partSize)
{
    return total / partSize + (total % partSize != 0 ? 1 : 0);
}

bool ReplacesSource(std::wstring_view source, std::uint64_t partCount)
{
    const std::wstring prefix = GetPartPrefix(source);
    if (prefix.size() > source.size())
        return false;
    // The source and its own files share the prefix, so only what follows it can match;
    // names differ only in ASCII letters and digits there, and file names ignore case.
    std::wstring ending(source.substr(prefix.size()));
    for (wchar_t& c : ending)
        c = AsciiLower(c);
    if (ending == L"bat")
        return true;
    if (ending.size() < 3 || ending.size() > 19)
        return false;
    std::uint64_t number = 0;
    for (const wchar_t c : ending) {
        if (!IsDigit(c))
            return false;
        number = number * 10 + static_cast<std::uint64_t>(c - L'0');
    }
    return number >= 1 && number <= partCount && NumberText(number) == ending;
}

} // namespace split
