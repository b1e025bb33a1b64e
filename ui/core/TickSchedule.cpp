#include "ui/core/TickSchedule.h"

#include <algorithm>
#include <numeric>

namespace ticks {

void TickSchedule::Start(Id id, unsigned interval, std::uint32_t now)
{
    Remove(id);
    entries_.push_back({id, interval, 0});
    const unsigned before = period_;
    Replan(now);
    if (period_ != before)
        return;
    // The first shared tick at or after now + interval.
    const std::uint64_t elapsed = static_cast<std::uint32_t>(now - origin_);
    entries_.back().dueTick = (elapsed + interval + period_ - 1) / period_;
}

void TickSchedule::Stop(Id id, std::uint32_t now)
{
    if (!Contains(id))
        return;
    Remove(id);
    Replan(now);
}

bool TickSchedule::Contains(Id id) const
{
    return std::any_of(entries_.begin(), entries_.end(), [id](const Entry& entry) { return entry.id == id; });
}

std::vector<TickSchedule::Id> TickSchedule::Due(std::uint32_t now)
{
    std::vector<Id> due;
    if (period_ == 0)
        return due;
    // The nearest tick: a Windows timer's message comes a little early or late.
    const std::uint64_t tick = (static_cast<std::uint32_t>(now - origin_) + period_ / 2) / period_;
    for (Entry& entry : entries_) {
        if (entry.dueTick <= tick) {
            due.push_back(entry.id);
            entry.dueTick = tick + entry.interval / period_;
        }
        // Counted from this tick from now on, so that the clock's wrap after
        // 49.7 days never comes between the origin and now.
        entry.dueTick -= tick;
    }
    origin_ += static_cast<std::uint32_t>(tick * period_);
    return due;
}

void TickSchedule::Remove(Id id)
{
    std::erase_if(entries_, [id](const Entry& entry) { return entry.id == id; });
}

void TickSchedule::Replan(std::uint32_t now)
{
    unsigned period = 0;
    for (const Entry& entry : entries_)
        period = std::gcd(period, entry.interval);
    if (period == period_)
        return;
    period_ = period;
    origin_ = now;
    for (Entry& entry : entries_)
        entry.dueTick = entry.interval / period_;
}

} // namespace ticks
