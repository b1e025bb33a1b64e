#include "pages/system/core/CpuLoad.h"

#include <algorithm>
#include <cmath>

namespace cpu {

double RoundToFourPlaces(double value)
{
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return std::nearbyint(value * 10000.0) / 10000.0;
}

std::int32_t LoadFromTimes(std::int64_t idleDifference, std::int64_t timeDifference, int processors)
{
    // No interval at all: the idle difference counts in milliseconds.
    const double quotient = timeDifference != 0
        ? RoundToFourPlaces(static_cast<double>(idleDifference) / static_cast<double>(timeDifference))
        : static_cast<double>(idleDifference) / 10000.0;
    // A zero count cannot come from a successful query; it must not divide by zero either.
    const double count = processors > 0 ? processors : 1;
    const double load = std::floor(RoundToFourPlaces(100.0 - (quotient * 100.0) / count + 0.5));
    // The idle time is counted in clock ticks, so over a short interval it can
    // exceed the elapsed time and the load would come out below 0 (and -1 would
    // read as a failed sample). No real load lies outside 0..100.
    if (std::isnan(load))
        return 0;
    return static_cast<std::int32_t>(std::clamp(load, 0.0, 100.0));
}

void NtLoadSampler::Initialize(NtCounters& counters)
{
    std::int64_t time = 0;
    std::int64_t idle = 0;
    if (!counters.ReadSystemTime(time) || !counters.ReadIdleTime(idle))
        return;
    previousIdle_ = idle;
    previousTime_ = time;
}

std::int32_t NtLoadSampler::Query(NtCounters& counters)
{
    int processors = 0;
    std::int64_t time = 0;
    std::int64_t idle = 0;
    if (!counters.ReadProcessorCount(processors) || !counters.ReadSystemTime(time) || !counters.ReadIdleTime(idle))
        return Failed;
    // Unsigned arithmetic wraps where the signed difference would overflow.
    const auto difference = [](std::int64_t now, std::int64_t before) {
        return static_cast<std::int64_t>(static_cast<std::uint64_t>(now) - static_cast<std::uint64_t>(before));
    };
    const std::int32_t load = LoadFromTimes(difference(idle, previousIdle_), difference(time, previousTime_), processors);
    previousIdle_ = idle;
    previousTime_ = time;
    return load;
}

bool BarLit(std::int32_t usage, int bar)
{
    return usage != 0 && usage >= 100 - 10 * bar;
}

void LoadHistory::Shift()
{
    std::copy(values_.begin() + 1, values_.end(), values_.begin());
}

void LoadHistory::Append(std::int32_t usage)
{
    Shift();
    values_.back() = usage;
}

GraphPoint GraphPointOf(int index, std::int32_t usage, int width, int height)
{
    const std::int64_t right = std::max(width - 1, 0);
    const std::int64_t bottom = std::max(height - 1, 0);
    const std::int64_t x = index * right / (LoadHistory::Length - 1);
    // Rounded to the nearest row; the product fits easily in 64 bits.
    const std::int64_t scaled = (100 - static_cast<std::int64_t>(usage)) * bottom;
    const std::int64_t y = (scaled >= 0 ? scaled + 50 : scaled - 50) / 100;
    constexpr std::int64_t limit = 1 << 20;
    return {static_cast<int>(x), static_cast<int>(std::clamp(y, -limit, limit))};
}

std::int64_t MegabytesRounded(std::uint64_t bytes)
{
    return static_cast<std::int64_t>(std::nearbyint(static_cast<double>(bytes) / 1024.0 / 1024.0));
}

} // namespace cpu
