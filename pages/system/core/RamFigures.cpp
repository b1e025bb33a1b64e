#include "pages/system/core/RamFigures.h"

#include <cstdio>

namespace ram {

namespace {

std::uint64_t DivideHalvesToEven(std::uint64_t value, std::uint64_t divisor)
{
    const std::uint64_t quotient = value / divisor;
    const std::uint64_t twiceRest = (value % divisor) * 2;
    if (twiceRest > divisor || (twiceRest == divisor && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

} // namespace

std::uint64_t Kilobytes(std::uint64_t bytes)
{
    return DivideHalvesToEven(bytes, 1024);
}

std::wstring Megabytes(std::uint64_t bytes, std::wstring_view decimalSeparator)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", static_cast<double>(bytes) / 1024 / 1024);
    std::wstring result;
    for (const char* c = text; *c; ++c) {
        if (*c == '.')
            result += decimalSeparator;
        else
            result += static_cast<wchar_t>(*c);
    }
    return result;
}

std::uint64_t BlockCharacters(std::uint64_t totalPhysical)
{
    return DivideHalvesToEven(totalPhysical, 60);
}

} // namespace ram
