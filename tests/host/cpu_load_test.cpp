#include "pages/system/core/CpuLoad.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace {

using namespace cpu;

// Counters scripted per read; a read with no scripted value fails.
class ScriptedCounters : public NtCounters {
public:
    std::deque<int> processors;
    std::deque<std::int64_t> times;
    std::deque<std::int64_t> idles;
    std::vector<std::string> reads;

    bool ReadProcessorCount(int& value) override { return Take("config", processors, value); }
    bool ReadSystemTime(std::int64_t& value) override { return Take("time", times, value); }
    bool ReadIdleTime(std::int64_t& value) override { return Take("perf", idles, value); }

private:
    template <class T>
    bool Take(const char* name, std::deque<T>& values, T& value)
    {
        reads.emplace_back(name);
        if (values.empty())
            return false;
        value = values.front();
        values.pop_front();
        return true;
    }
};

TEST(LoadFromTimes, FollowsTheWorkedExamples)
{
    // One processor idle three quarters of the time: 25.5 rounds down to 25.
    EXPECT_EQ(LoadFromTimes(750, 1000, 1), 25);
    // Two processors each idle half of the time: the quotient is 1.0.
    EXPECT_EQ(LoadFromTimes(1000, 1000, 2), 50);
    EXPECT_EQ(LoadFromTimes(0, 1000, 1), 100);
    EXPECT_EQ(LoadFromTimes(1000, 1000, 1), 0);
    // No time passed and no idle time: 100.
    EXPECT_EQ(LoadFromTimes(0, 0, 1), 100);
    // No time passed: the idle difference counts in milliseconds.
    EXPECT_EQ(LoadFromTimes(5000, 0, 1), 50);
}

TEST(LoadFromTimes, RoundsTheQuotientToFourPlacesHalvesToEven)
{
    EXPECT_DOUBLE_EQ(RoundToFourPlaces(0.12345), 0.1234);
    EXPECT_DOUBLE_EQ(RoundToFourPlaces(0.12355), 0.1236);
    EXPECT_DOUBLE_EQ(RoundToFourPlaces(0.00004), 0.0);
    // 1/3 idle: quotient 0.3333, load 100 - 33.33 + 0.5 = 67.17, down to 67.
    EXPECT_EQ(LoadFromTimes(1, 3, 1), 67);
    // An idle share below 0.00005 rounds away to nothing.
    EXPECT_EQ(LoadFromTimes(4, 100000, 1), 100);
}

TEST(LoadFromTimes, StaysWithinZeroToAHundred)
{
    // Idle time counted in clock ticks can run ahead of the elapsed time: that
    // is an idle machine, and must not come out as -1, the failure value.
    EXPECT_EQ(LoadFromTimes(1016, 1000, 1), 0);
    EXPECT_EQ(LoadFromTimes(8200, 1000, 8), 0);
    EXPECT_EQ(LoadFromTimes(-500, 1000, 1), 100);
    EXPECT_EQ(LoadFromTimes(1000, 1000, 0), 0);  // taken as one processor
    EXPECT_EQ(LoadFromTimes(INT64_MAX, 1, 1), 0);
    EXPECT_EQ(LoadFromTimes(INT64_MIN, 1, 1), 100);
}

TEST(NtLoadSampler, MeasuresSinceThePreviousGoodSample)
{
    ScriptedCounters counters;
    NtLoadSampler sampler;
    counters.times = {10000};
    counters.idles = {2000};
    sampler.Initialize(counters);
    EXPECT_EQ(counters.reads, (std::vector<std::string>{"time", "perf"}));

    counters.reads.clear();
    counters.processors = {1};
    counters.times = {20000};
    counters.idles = {9500};  // 7500 idle of 10000
    EXPECT_EQ(sampler.Query(counters), 25);
    EXPECT_EQ(counters.reads, (std::vector<std::string>{"config", "time", "perf"}));

    // A failed read reports -1 and keeps the previous sample ...
    counters.processors = {1};
    counters.times = {30000};
    EXPECT_EQ(sampler.Query(counters), NtLoadSampler::Failed);
    // ... so the next good one measures over both intervals.
    counters.processors = {1};
    counters.times = {40000};
    counters.idles = {19500};  // 10000 idle of 20000
    EXPECT_EQ(sampler.Query(counters), 50);
}

TEST(NtLoadSampler, StopsReadingAtTheFirstFailedRecord)
{
    ScriptedCounters counters;
    NtLoadSampler sampler;
    EXPECT_EQ(sampler.Query(counters), NtLoadSampler::Failed);
    EXPECT_EQ(counters.reads, (std::vector<std::string>{"config"}));

    counters.reads.clear();
    counters.processors = {1};
    EXPECT_EQ(sampler.Query(counters), NtLoadSampler::Failed);
    EXPECT_EQ(counters.reads, (std::vector<std::string>{"config", "time"}));

    // Initialize reads the performance record only after a good time of day.
    counters.reads.clear();
    sampler.Initialize(counters);
    EXPECT_EQ(counters.reads, (std::vector<std::string>{"time"}));
}

TEST(NtLoadSampler, FirstQueryAfterAFailedInitializeGivesAHundred)
{
    ScriptedCounters counters;
    NtLoadSampler sampler;
    counters.times = {132000000000000000};
    sampler.Initialize(counters);  // the idle read fails: nothing is kept

    // Idle time since boot over the absolute system time rounds to 0.
    counters.processors = {4};
    counters.times = {132000000000000000};
    counters.idles = {36000000000};
    EXPECT_EQ(sampler.Query(counters), 100);
}

TEST(BarLit, LightsFromTheBottomUp)
{
    const auto lit = [](std::int32_t usage) {
        std::string bars;
        for (int bar = 0; bar < GaugeBars; ++bar)
            bars += BarLit(usage, bar) ? '#' : '.';
        return bars;
    };
    EXPECT_EQ(lit(0), "...........");
    EXPECT_EQ(lit(1), "..........#");
    EXPECT_EQ(lit(9), "..........#");
    EXPECT_EQ(lit(10), ".........##");
    EXPECT_EQ(lit(55), ".....######");
    EXPECT_EQ(lit(99), ".##########");
    EXPECT_EQ(lit(100), "###########");
    EXPECT_EQ(lit(250), "###########");
    EXPECT_EQ(lit(-5), "...........");
}

TEST(LoadHistory, KeepsTheLastHundredOldestFirst)
{
    LoadHistory history;
    for (int i = 0; i < LoadHistory::Length; ++i)
        EXPECT_EQ(history[i], 0);
    history.Append(-7);  // stored like any other load
    EXPECT_EQ(history[99], -7);
    for (int i = 1; i <= 100; ++i)
        history.Append(i);
    for (int i = 0; i < LoadHistory::Length; ++i)
        EXPECT_EQ(history[i], i + 1);
    history.Append(500);
    EXPECT_EQ(history[0], 2);
    EXPECT_EQ(history[98], 100);
    EXPECT_EQ(history[99], 500);
}

TEST(LoadHistory, ShiftKeepsTheNewestValue)
{
    LoadHistory history;
    history.Append(3);
    history.Append(4);
    history.Shift();
    EXPECT_EQ(history[97], 3);
    EXPECT_EQ(history[98], 4);
    EXPECT_EQ(history[99], 4);
}

TEST(GraphPointOf, SpansTheWholeBox)
{
    EXPECT_EQ(GraphPointOf(0, 100, 233, 65).x, 0);
    EXPECT_EQ(GraphPointOf(0, 100, 233, 65).y, 0);
    EXPECT_EQ(GraphPointOf(99, 0, 233, 65).x, 232);
    EXPECT_EQ(GraphPointOf(99, 0, 233, 65).y, 64);
    EXPECT_EQ(GraphPointOf(50, 50, 233, 65).y, 32);
    // Beyond 0..100 the line leaves the box rather than folding back.
    EXPECT_LT(GraphPointOf(10, 150, 233, 65).y, 0);
    EXPECT_GT(GraphPointOf(10, -50, 233, 65).y, 64);
    EXPECT_EQ(GraphPointOf(10, INT32_MIN, 233, 65).y, 1 << 20);
    // A box not laid out yet.
    EXPECT_EQ(GraphPointOf(99, 0, 0, 0).x, 0);
}

TEST(MegabytesRounded, RoundsHalvesToEven)
{
    constexpr std::uint64_t MB = 1024 * 1024;
    EXPECT_EQ(MegabytesRounded(MB + MB / 2), 2);
    EXPECT_EQ(MegabytesRounded(2 * MB + MB / 2), 2);
    EXPECT_EQ(MegabytesRounded(3 * MB + MB / 2), 4);
    EXPECT_EQ(MegabytesRounded(MB - 1), 1);
    EXPECT_EQ(MegabytesRounded(0), 0);
    // 2 GB and more are positive figures.
    EXPECT_EQ(MegabytesRounded(2048 * MB), 2048);
    EXPECT_EQ(MegabytesRounded(16ull * 1024 * 1024 * MB), 16 * 1024 * 1024);
}

} // namespace
