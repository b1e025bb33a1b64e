#include "ui/core/TickSchedule.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <vector>

namespace {

using ticks::TickSchedule;

const int bar = 0, clockLabel = 0, figure = 0, cpu = 0;  // their addresses name the timers

// The times at which each timer fired while the shared tick came every
// period, `jitter` ms late on odd ticks and early on even ones, up to `until`.
std::map<TickSchedule::Id, std::vector<std::uint32_t>> TickAlong(TickSchedule& schedule, std::uint32_t from,
                                                           std::uint32_t until, int jitter = 0)
{
    std::map<TickSchedule::Id, std::vector<std::uint32_t>> fired;
    const unsigned period = schedule.Period();
    for (std::uint32_t k = 1; static_cast<std::uint32_t>(k * period) <= until - from; ++k) {
        const std::uint32_t now = from + k * period + static_cast<std::uint32_t>(k % 2 ? jitter : -jitter);
        for (TickSchedule::Id id : schedule.Due(now))
            fired[id].push_back(now);
    }
    return fired;
}

TEST(TickSchedule, OnlyWholeMultiplesOfTheStepShareTheTick)
{
    const struct {
        unsigned interval;
        bool shares;
    } rows[] = {{0, false}, {25, false}, {50, false}, {100, true}, {150, false}, {500, true}, {15000, true}};
    for (const auto& row : rows)
        EXPECT_EQ(TickSchedule::Shares(row.interval), row.shares) << row.interval;
}

TEST(TickSchedule, ThePeriodIsTheGreatestCommonDivisorOfTheIntervals)
{
    const struct {
        std::initializer_list<unsigned> intervals;
        unsigned period;
    } rows[] = {
        {{100}, 100}, {{100, 1000, 500}, 100}, {{500, 1000}, 500}, {{1000, 15000}, 1000}, {{500, 700}, 100},
    };
    const int ids[3] = {};
    for (const auto& row : rows) {
        TickSchedule schedule;
        int n = 0;
        for (unsigned interval : row.intervals)
            schedule.Start(&ids[n++], interval, 1000);
        EXPECT_EQ(schedule.Period(), row.period) << row.intervals.size() << " timers from " << *row.intervals.begin();
    }
}

TEST(TickSchedule, StoppingATimerWidensThePeriodAndTheLastOneEndsIt)
{
    TickSchedule schedule;
    schedule.Start(&bar, 100, 0);
    schedule.Start(&figure, 1000, 0);
    schedule.Start(&cpu, 500, 0);
    schedule.Stop(&bar, 250);
    EXPECT_FALSE(schedule.Contains(&bar));
    EXPECT_EQ(schedule.Period(), 500u);
    // Both start their intervals anew at the change.
    const auto fired = TickAlong(schedule, 250, 2250);
    EXPECT_EQ(fired.at(&cpu), (std::vector<std::uint32_t>{750, 1250, 1750, 2250}));
    EXPECT_EQ(fired.at(&figure), (std::vector<std::uint32_t>{1250, 2250}));
    schedule.Stop(&cpu, 2300);
    schedule.Stop(&figure, 2300);
    EXPECT_EQ(schedule.Period(), 0u);
    EXPECT_TRUE(schedule.Due(2400).empty());
}

TEST(TickSchedule, TimersOfOneIntervalStartedApartFireAtTheSameTicks)
{
    TickSchedule schedule;
    schedule.Start(&bar, 100, 5000);
    schedule.Start(&clockLabel, 100, 5037);
    schedule.Start(&figure, 1000, 5061);
    const auto fired = TickAlong(schedule, 5000, 7000);
    // The later ones never come early: their first tick is the first shared one after their interval.
    EXPECT_EQ(fired.at(&bar).front(), 5100u);
    EXPECT_EQ(fired.at(&clockLabel).front(), 5200u);
    EXPECT_EQ(fired.at(&figure).front(), 6100u);
    for (std::uint32_t time : fired.at(&clockLabel))
        EXPECT_EQ((time - 5000) % 100, 0u);
    EXPECT_EQ(fired.at(&bar).size(), 20u);
    EXPECT_EQ(fired.at(&clockLabel).size(), 19u);
    EXPECT_EQ(fired.at(&figure).size(), 1u);
}

TEST(TickSchedule, AMessageALittleEarlyOrLateCountsAsItsTick)
{
    for (int jitter : {-45, -10, 10, 45}) {
        TickSchedule schedule;
        schedule.Start(&bar, 100, 0);
        schedule.Start(&cpu, 500, 0);
        const auto fired = TickAlong(schedule, 0, 10000, jitter);
        EXPECT_EQ(fired.at(&bar).size(), 100u) << jitter;
        EXPECT_EQ(fired.at(&cpu).size(), 20u) << jitter;
    }
}

TEST(TickSchedule, TicksMissedWhileBusyComeOnce)
{
    TickSchedule schedule;
    schedule.Start(&bar, 100, 0);
    schedule.Start(&cpu, 500, 0);
    EXPECT_EQ(schedule.Due(100).size(), 1u);
    // Busy for two seconds: one tick for each, and the next a whole interval later.
    EXPECT_EQ(schedule.Due(2100).size(), 2u);
    EXPECT_TRUE(schedule.Due(2200).size() == 1u && schedule.Contains(&bar));
    const auto cpuTicks = [&schedule](std::uint32_t now) {
        for (TickSchedule::Id id : schedule.Due(now))
            if (id == &cpu)
                return true;
        return false;
    };
    EXPECT_FALSE(cpuTicks(2500));
    EXPECT_TRUE(cpuTicks(2600));
}

TEST(TickSchedule, KeepsTheBeatAcrossTheWrapOfTheTickCount)
{
    TickSchedule schedule;
    const std::uint32_t start = 0xFFFFFFFFu - 1234;
    schedule.Start(&bar, 100, start);
    schedule.Start(&figure, 1000, start);
    const auto fired = TickAlong(schedule, start, start + 5000);  // wraps after 1.2 s
    EXPECT_EQ(fired.at(&bar).size(), 50u);
    EXPECT_EQ(fired.at(&figure).size(), 5u);
    EXPECT_EQ(fired.at(&figure).back(), start + 5000);
}

TEST(TickSchedule, RestartingATimerStartsItsIntervalAgain)
{
    TickSchedule schedule;
    schedule.Start(&bar, 100, 0);
    schedule.Start(&figure, 1000, 0);
    EXPECT_EQ(TickAlong(schedule, 0, 900).count(&figure), 0u);
    schedule.Start(&figure, 1000, 900);  // restarted just before its tick
    const auto fired = TickAlong(schedule, 900, 2000);
    EXPECT_EQ(fired.at(&figure), (std::vector<std::uint32_t>{1900}));
}

} // namespace
