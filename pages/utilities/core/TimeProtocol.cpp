#include "pages/utilities/core/TimeProtocol.h"

#include <cmath>

namespace timeprotocol {

namespace {

constexpr std::int64_t SecondsPerDay = 86400;
constexpr std::int64_t EraLength = std::int64_t{1} << 32;
// Days from 1 January 1970 to 1 January 1990.
constexpr std::int64_t DaysTo1990From1970 = 7305;

// Floor division, so that times before the base date fall on the right day.
std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

struct CivilDate {
    int year;
    int month;
    int day;
};

// The proleptic Gregorian date of a day counted from 1 January 1970.
CivilDate FromDaysSince1970(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

} // namespace

std::string_view TrimBlanks(std::string_view answer)
{
    const std::size_t first = answer.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return answer.substr(first, answer.find_last_not_of(' ') - first + 1);
}

std::optional<std::int64_t> SecondsSince1990(std::string_view answer)
{
    if (answer.size() != 4)
        return std::nullopt;
    std::int64_t since1900 = 0;
    for (const char byte : answer)
        since1900 = since1900 * 256 + static_cast<unsigned char>(byte);
    if (since1900 < SecondsTo1990)
        since1900 += EraLength;
    return since1900 - SecondsTo1990;
}

std::int64_t RoundedDelay(float seconds)
{
    // The default rounding mode rounds halves to even.
    return static_cast<std::int64_t>(std::nearbyint(seconds));
}

UtcTime FromSecondsSince1990(std::int64_t seconds)
{
    const std::int64_t days = FloorDiv(seconds, SecondsPerDay);
    const std::int64_t ofDay = seconds - days * SecondsPerDay;
    const CivilDate date = FromDaysSince1970(DaysTo1990From1970 + days);
    return {date.year,
            date.month,
            date.day,
            static_cast<int>(ofDay / 3600),
            static_cast<int>(ofDay / 60 % 60),
            static_cast<int>(ofDay % 60)};
}

std::optional<UtcTime> ServerTime(std::string_view answer, float delaySeconds)
{
    const std::optional<std::int64_t> seconds = SecondsSince1990(TrimBlanks(answer));
    if (!seconds)
        return std::nullopt;
    return FromSecondsSince1990(*seconds + RoundedDelay(delaySeconds));
}

} // namespace timeprotocol
