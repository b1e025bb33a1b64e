#include "updater/core/DateText.h"

namespace datetext {

namespace {

std::wstring TwoDigits(int value)
{
    return (value < 10 ? L"0" : L"") + std::to_wstring(value);
}

} // namespace

int ToLocalHour(int hour, ZoneTime zoneTime, const ZoneBias& zone)
{
    if (zoneTime == ZoneTime::Unknown)
        return hour;
    const long bias = zone.bias + (zoneTime == ZoneTime::Standard ? zone.standardBias : zone.daylightBias);
    if (hour == 0)
        hour = 24;
    // Integer division truncates toward zero: +5:30 moves by 5 hours.
    hour -= static_cast<int>(bias / 60);
    if (hour > 24)
        hour -= 24;
    return hour;
}

int HourOfDay(int hour)
{
    return (hour % 24 + 24) % 24;
}

std::wstring DateTimeText(int year, int month, int day, int hour, int minute, std::wstring_view dateSeparator,
                          std::wstring_view timeSeparator)
{
    std::wstring text = std::to_wstring(year);
    text += dateSeparator;
    text += TwoDigits(month);
    text += dateSeparator;
    text += TwoDigits(day);
    text += L' ';
    text += TwoDigits(HourOfDay(hour));
    text += timeSeparator;
    text += TwoDigits(minute);
    return text;
}

} // namespace datetext
