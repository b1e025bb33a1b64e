#pragma once
// One shared tick for the program's timers. Under Wine each wake-up of the
// idle program costs more than what any of its timers then does, so timers
// whose intervals are whole multiples of Step ride on one tick whose period
// is the greatest common divisor of their intervals: a 100 ms bar and a
// 100 ms clock wake the program ten times a second rather than twenty.
// Times are milliseconds of a wrapping 32-bit clock (the tick count).
#include <cstdint>
#include <vector>

namespace ticks {

class TickSchedule {
public:
    using Id = const void*;
    static constexpr unsigned Step = 100;

    // Whether a timer of this interval rides on the shared tick.
    static bool Shares(unsigned interval) { return interval >= Step && interval % Step == 0; }

    // Starts or restarts a timer of a shared interval. Its first tick is the
    // first shared tick at or after now + interval; when the period changes,
    // every timer starts its interval anew from now.
    void Start(Id id, unsigned interval, std::uint32_t now);
    void Stop(Id id, std::uint32_t now);
    bool Contains(Id id) const;

    // The shared tick's period; 0 while no timer is scheduled.
    unsigned Period() const { return period_; }

    // The timers due at a shared tick that arrived at `now`, each set to its
    // next tick. Ticks missed while the program was busy come once, as a
    // Windows timer's do.
    std::vector<Id> Due(std::uint32_t now);

private:
    struct Entry {
        Id id;
        unsigned interval;
        std::uint64_t dueTick;  // counted from origin_
    };

    void Remove(Id id);
    void Replan(std::uint32_t now);

    std::vector<Entry> entries_;
    unsigned period_ = 0;
    std::uint32_t origin_ = 0;
};

} // namespace ticks
