#pragma once
// The processor load as both CPU pages measure and draw it: the NT sampler's
// arithmetic, the gauge's bars, the shared history and the graph's mapping.
#include <array>
#include <cstdint>

namespace cpu {

// To the nearest multiple of 0.0001, halves to even.
double RoundToFourPlaces(double value);

// The load in percent (0..100) over one interval, from the idle time of all
// processors and the elapsed system time (both in 100 ns units) and the processor count.
std::int32_t LoadFromTimes(std::int64_t idleDifference, std::int64_t timeDifference, int processors);

// The three system records the NT sampler reads, in the order it reads them;
// each returns false when its query failed.
class NtCounters {
public:
    virtual ~NtCounters() = default;
    virtual bool ReadProcessorCount(int& processors) = 0;
    virtual bool ReadSystemTime(std::int64_t& systemTime) = 0;
    virtual bool ReadIdleTime(std::int64_t& idleTime) = 0;
};

// The NT sampler's state: the counters at the previous good sample.
class NtLoadSampler {
public:
    static constexpr std::int32_t Failed = -1;

    void Initialize(NtCounters& counters);
    // The load since the previous good sample, or Failed (the previous sample stays).
    std::int32_t Query(NtCounters& counters);

private:
    std::int64_t previousIdle_ = 0;
    std::int64_t previousTime_ = 0;
};

// The gauge: 11 bars, bar 0 at the top lights only at 100 % and more, bar 10 for any load above 0.
constexpr int GaugeBars = 11;
bool BarLit(std::int32_t usage, int bar);

// The last 100 loads of both CPU pages, oldest first.
class LoadHistory {
public:
    static constexpr int Length = 100;

    // Every entry moves one place toward the oldest; the newest keeps its value.
    void Shift();
    void Append(std::int32_t usage);
    std::int32_t operator[](int index) const { return values_[static_cast<std::size_t>(index)]; }

private:
    std::array<std::int32_t, Length> values_{};
};

// Where history entry `index` with load `usage` lies in a graph of the given
// size in pixels: the whole history across the width, 100 % at the top row and
// 0 % at the bottom row. Loads outside 0..100 lie outside the box.
struct GraphPoint {
    int x;
    int y;
};
GraphPoint GraphPointOf(int index, std::int32_t usage, int width, int height);

// A memory figure in bytes as whole megabytes (1024 x 1024), halves to even.
std::int64_t MegabytesRounded(std::uint64_t bytes);

} // namespace cpu
