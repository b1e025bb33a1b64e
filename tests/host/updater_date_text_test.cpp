#include "updater/core/DateText.h"

#include <gtest/gtest.h>

namespace {

using datetext::ZoneTime;

TEST(ToLocalHour, MovesByTheZonesWholeHours)
{
    // UTC+1 in standard time: bias -60.
    EXPECT_EQ(datetext::ToLocalHour(10, ZoneTime::Standard, {-60, 0, -60}), 11);
    // UTC-5 in standard time.
    EXPECT_EQ(datetext::ToLocalHour(10, ZoneTime::Standard, {300, 0, -60}), 5);
}

TEST(ToLocalHour, AHalfHourZoneLosesItsThirtyMinutes)
{
    // UTC+5:30 moves by 5, not 5.5; UTC-3:30 by 3.
    EXPECT_EQ(datetext::ToLocalHour(10, ZoneTime::Standard, {-330, 0, 0}), 15);
    EXPECT_EQ(datetext::ToLocalHour(10, ZoneTime::Standard, {210, 0, 0}), 7);
}

TEST(ToLocalHour, AddsTheBiasOfTheTimeInForce)
{
    const datetext::ZoneBias centralEurope{-60, 0, -60};
    EXPECT_EQ(datetext::ToLocalHour(10, ZoneTime::Standard, centralEurope), 11);
    EXPECT_EQ(datetext::ToLocalHour(10, ZoneTime::Daylight, centralEurope), 12);
    EXPECT_EQ(datetext::ToLocalHour(10, ZoneTime::Unknown, centralEurope), 10) << "an unknown zone keeps the hour";
}

TEST(ToLocalHour, MidnightCountsAs24AndResultsAbove24Lose24)
{
    EXPECT_EQ(datetext::ToLocalHour(0, ZoneTime::Standard, {300, 0, 0}), 19);
    EXPECT_EQ(datetext::ToLocalHour(0, ZoneTime::Standard, {-60, 0, 0}), 1);
    EXPECT_EQ(datetext::ToLocalHour(23, ZoneTime::Standard, {-60, 0, 0}), 24) << "24 is kept, HourOfDay wraps it";
    EXPECT_EQ(datetext::ToLocalHour(2, ZoneTime::Standard, {300, 0, 0}), -3);
}

TEST(HourOfDay, WrapsRoundTheDay)
{
    EXPECT_EQ(datetext::HourOfDay(24), 0);
    EXPECT_EQ(datetext::HourOfDay(-2), 22);
    EXPECT_EQ(datetext::HourOfDay(13), 13);
}

TEST(DateTimeText, FormatsYearMonthDayHourAndMinuteWithTheLocalesSeparators)
{
    EXPECT_EQ(datetext::DateTimeText(2004, 3, 7, 9, 5, L"/", L":"), L"2004/03/07 09:05");
    EXPECT_EQ(datetext::DateTimeText(2004, 12, 24, 18, 45, L".", L"."), L"2004.12.24 18.45");
}

TEST(DateTimeText, TheDateDoesNotMoveWhenTheHourWraps)
{
    // 23:30 UTC on 31 January 2004 in UTC+1 standard time.
    const int hour = datetext::ToLocalHour(23, ZoneTime::Standard, {-60, 0, -60});
    EXPECT_EQ(datetext::DateTimeText(2004, 1, 31, hour, 30, L"/", L":"), L"2004/01/31 00:30");
}

} // namespace
