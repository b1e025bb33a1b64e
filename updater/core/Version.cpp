#include "updater/core/Version.h"

#include <limits>

namespace version {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// value * 10 + digit, false on overflow.
bool AppendDigit(std::int64_t& value, int digit)
{
    constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
    if (value > (Max - digit) / 10)
        return false;
    value = value * 10 + digit;
    return true;
}

} // namespace

std::optional<std::int64_t> ParseVersion(std::string_view line, std::string_view decimalSeparator)
{
    while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back()))
        line.remove_suffix(1);

    bool negative = false;
    if (!line.empty() && (line.front() == '+' || line.front() == '-')) {
        negative = line.front() == '-';
        line.remove_prefix(1);
    }

    std::int64_t whole = 0;
    int digits = 0;
    while (!line.empty() && IsDigit(line.front())) {
        if (!AppendDigit(whole, line.front() - '0'))
            return std::nullopt;
        line.remove_prefix(1);
        ++digits;
    }

    // The first four decimals, then the rest only for the rounding.
    std::int64_t fraction = 0;
    int decimals = 0;
    int firstDropped = -1;
    bool droppedBeyond = false;
    if (!decimalSeparator.empty() && line.substr(0, decimalSeparator.size()) == decimalSeparator) {
        line.remove_prefix(decimalSeparator.size());
        while (!line.empty() && IsDigit(line.front())) {
            const int digit = line.front() - '0';
            if (decimals < 4) {
                fraction = fraction * 10 + digit;
                ++decimals;
            } else if (firstDropped < 0) {
                firstDropped = digit;
            } else if (digit != 0) {
                droppedBeyond = true;
            }
            line.remove_prefix(1);
            ++digits;
        }
    }
    if (!line.empty() || digits == 0)
        return std::nullopt;
    for (; decimals < 4; ++decimals)
        fraction *= 10;

    constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
    if (whole > (Max - fraction) / Scale)
        return std::nullopt;
    std::int64_t value = whole * Scale + fraction;
    const bool up = firstDropped > 5 || (firstDropped == 5 && (droppedBeyond || value % 2 != 0));
    if (up) {
        if (value == Max)
            return std::nullopt;
        ++value;
    }
    return negative ? -value : value;
}

std::int64_t VersionOrZero(std::string_view line, std::string_view decimalSeparator)
{
    return ParseVersion(line, decimalSeparator).value_or(0);
}

} // namespace version
