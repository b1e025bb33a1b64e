#include "ui/core/NumberText.h"

namespace numbertext {

namespace {

constexpr bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

constexpr bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// Beyond any 16-bit value, so that long digit runs cannot overflow.
constexpr std::int32_t kCap = 100000;

std::int32_t Accumulate(std::int32_t value, wchar_t digit)
{
    value = value * 10 + (digit - L'0');
    return value > kCap ? kCap : value;
}

std::optional<std::int16_t> InRange(bool negative, std::int32_t magnitude)
{
    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

} // namespace

std::optional<std::int16_t> StrictInteger(std::wstring_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;

    std::int32_t magnitude = 0;
    for (const wchar_t c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        magnitude = Accumulate(magnitude, c);
    }
    return InRange(negative, magnitude);
}

std::optional<std::int16_t> RoundedLeadingValue(std::wstring_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        negative = text[pos] == L'-';
        ++pos;
    }

    std::int32_t magnitude = 0;
    while (pos < text.size() && IsDigit(text[pos]))
        magnitude = Accumulate(magnitude, text[pos++]);

    // The fraction only decides the rounding, so it is compared with one half
    // digit by digit: exact, where a double would round long fractions first.
    if (pos < text.size() && text[pos] == L'.') {
        ++pos;
        if (pos < text.size() && IsDigit(text[pos])) {
            const wchar_t first = text[pos++];
            bool moreAfterFive = false;
            while (pos < text.size() && IsDigit(text[pos]))
                moreAfterFive = moreAfterFive || text[pos++] != L'0';
            const bool up = first > L'5' || (first == L'5' && (moreAfterFive || magnitude % 2 != 0));
            if (up && magnitude < kCap)
                ++magnitude;
        }
    }
    return InRange(negative, magnitude);
}

} // namespace numbertext
