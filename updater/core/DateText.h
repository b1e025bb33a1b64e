#pragma once
// Date texts of the per-file date check: a UTC time shown as "yyyy/mm/dd hh:nn"
// with the hour moved into the local zone. Only the hour moves: the date stays
// the UTC date, so both sides of a comparison go through the same shift.
#include <string>
#include <string_view>

namespace datetext {

// What the system says of the zone in force (GetTimeZoneInformation's 0, 1, 2).
enum class ZoneTime { Unknown, Standard, Daylight };

// The zone's biases in minutes, UTC = local + bias.
struct ZoneBias {
    long bias = 0;
    long standardBias = 0;
    long daylightBias = 0;
};

// The hour moved by the zone's whole hours (a half-hour zone loses its 30
// minutes). Midnight counts as 24 first, and a result above 24 loses 24, so
// the result lies between -23 and 24; HourOfDay wraps it.
int ToLocalHour(int hour, ZoneTime zoneTime, const ZoneBias& zone);

// An hour outside 0..23 wrapped round the day: 24 gives 0, -2 gives 22.
int HourOfDay(int hour);

// "2004/01/31 00:30" with the given separators for "/" and ":".
std::wstring DateTimeText(int year, int month, int day, int hour, int minute, std::wstring_view dateSeparator,
                          std::wstring_view timeSeparator);

} // namespace datetext
