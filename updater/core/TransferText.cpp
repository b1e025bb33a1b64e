#include "updater/core/TransferText.h"

#include <algorithm>
#include <limits>

namespace transfertext {

namespace {

// Rounds quotient + rest / divisor to a whole number, halves to the even
// neighbour. Comparing the rest with what it lacks of the divisor, rather
// than twice the rest with the divisor, cannot overflow.
std::uint64_t RoundedHalfEven(std::uint64_t quotient, std::uint64_t rest, std::uint64_t divisor)
{
    const std::uint64_t lacking = divisor - rest;
    return rest > lacking || (rest == lacking && quotient % 2 != 0) ? quotient + 1 : quotient;
}

// factor * value / divisor, halves to even, for value < divisor. Adding value
// factor times keeps every sum below twice the divisor, where factor * value
// would overflow for sizes beyond 2^56.
std::uint64_t ScaledHalfEven(std::uint64_t value, unsigned factor, std::uint64_t divisor)
{
    std::uint64_t quotient = 0;
    std::uint64_t rest = 0;
    for (unsigned i = 0; i < factor; ++i) {
        rest += value;
        if (rest >= divisor) {
            rest -= divisor;
            ++quotient;
        }
    }
    return RoundedHalfEven(quotient, rest, divisor);
}

// value / unit in "###0.0" form: at least one integer digit, one decimal, no
// grouping, rounded half away from zero as the format rounds. unit is small.
std::wstring OneDecimal(std::int64_t value, std::uint64_t unit, std::wstring_view decimalSeparator)
{
    const bool negative = value < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    // Whole units and the rest apart, so that nothing is multiplied beyond 64 bits.
    const std::uint64_t tenths = magnitude / unit * 10 + (magnitude % unit * 20 + unit) / (2 * unit);
    std::wstring text = negative && tenths != 0 ? L"-" : L"";
    text += std::to_wstring(tenths / 10);
    text += decimalSeparator;
    text += std::to_wstring(tenths % 10);
    return text;
}

} // namespace

std::wstring FormatTimeRemaining(std::int32_t seconds)
{
    // The largest whole number of minutes not above the time, as Int() takes it.
    const std::int64_t total = seconds;
    std::int64_t minutes = total / 60;
    if (total % 60 < 0)
        --minutes;
    return L"Time remaining : " + std::to_wstring(minutes) + L" minutes " + std::to_wstring(total - 60 * minutes) +
           L" seconds";
}

int PercentDone(std::int64_t size, std::int64_t done)
{
    if (done <= 0)
        return 0;
    if (size <= done)
        return 100;
    return static_cast<int>(
        ScaledHalfEven(static_cast<std::uint64_t>(done), 100, static_cast<std::uint64_t>(size)));
}

int BarWidthTwips(int percent)
{
    return (percent * 83 + 1) / 2;
}

std::wstring FileSizeText(std::int64_t done, std::int64_t size, std::wstring_view decimalSeparator)
{
    return OneDecimal(done, 1000, decimalSeparator) + L"Kb / " + OneDecimal(size, 1000, decimalSeparator) + L" Kb";
}

std::wstring AverageText(std::int64_t bytesLastSecond, std::wstring_view decimalSeparator)
{
    return L"Average : " + OneDecimal(bytesLastSecond, 1024, decimalSeparator) + L" / Kbps";
}

std::int32_t SecondsRemaining(std::int64_t size, std::int64_t done, std::int64_t bytesLastSecond)
{
    if (bytesLastSecond <= 0 || done >= size)
        return 0;
    // size > done, so the unsigned difference is exact.
    const std::uint64_t left = static_cast<std::uint64_t>(size) - static_cast<std::uint64_t>(done);
    const std::uint64_t perSecond = static_cast<std::uint64_t>(bytesLastSecond);
    const std::uint64_t seconds = RoundedHalfEven(left / perSecond, left % perSecond, perSecond);
    return static_cast<std::int32_t>(std::min<std::uint64_t>(seconds, std::numeric_limits<std::int32_t>::max()));
}

} // namespace transfertext
