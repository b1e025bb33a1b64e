#include "pages/system/core/RamFigures.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

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

void WriteSpaces(char16_t* to, std::size_t characters)
{
    constexpr std::uint64_t FourSpaces = 0x0020'0020'0020'0020;
    constexpr std::size_t PerWord = sizeof FourSpaces / sizeof(char16_t);
    const std::size_t words = characters / PerWord;
    for (std::size_t word = 0; word < words; ++word)
        std::memcpy(to + word * PerWord, &FourSpaces, sizeof FourSpaces);
    std::fill(to + words * PerWord, to + characters, u' ');
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

bool FillWithSpaces(char16_t* block, std::uint64_t characters, const std::function<bool()>& turn)
{
    constexpr std::uint64_t PieceCharacters = TurnBytes / sizeof(char16_t);
    std::uint64_t done = 0;
    do {
        const auto piece = static_cast<std::size_t>(std::min(PieceCharacters, characters - done));
        WriteSpaces(block + done, piece);
        done += piece;
        if (!turn())
            return false;
    } while (done < characters);
    return true;
}

} // namespace ram
