#include "updater/core/TransferText.h"

#include <algorithm>

namespace transfertext {

namespace {

// numerator / denominator rounded to the nearest whole number, halves to even.
std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t quotient = numerator / denominator;
    const std::int64_t twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

// numerator / denominator in "###0.0" form: at least one integer digit, one
// decimal, no grouping, rounded half away from zero as the format rounds.
std::wstring OneDecimal(std::int64_t numerator, std::int64_t denominator, std::wstring_view decimalSeparator)
{
    const bool negative = numerator < 0;
    const std::int64_t magnitude = negative ? -numerator : numerator;
    const std::int64_t tenths = (magnitude * 20 + denominator) / (2 * denominator);
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
    std::int32_t minutes = seconds / 60;
    if (seconds % 60 < 0)
        --minutes;
    return L"Time remaining : " + std::to_wstring(minutes) + L" minutes " + std::to_wstring(seconds - 60 * minutes) +
           L" seconds";
}

int PercentDone(std::int64_t size, std::int64_t done)
{
    if (size <= 0 || done <= 0)
        return done > 0 ? 100 : 0;
    return static_cast<int>(std::min<std::int64_t>(RoundHalfEven(done * 100, size), 100));
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
    return static_cast<std::int32_t>(RoundHalfEven(size - done, bytesLastSecond));
}

} // namespace transfertext
