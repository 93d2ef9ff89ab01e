#pragma once

#include <cstdint>
#include <functional>

namespace qx71 {

// Single-shot timers on the owner's thread. The window's waits (the start-up search, the
// close, the arrival retries) run through this, so the window thread never sleeps and tests
// drive time by hand.
class ITimerQueue {
public:
    using TimerId = uint64_t;
    static constexpr TimerId kNoTimer = 0;

    virtual ~ITimerQueue() = default;
    // Runs `task` once on the owner's thread after `ms` milliseconds; never before the
    // caller has returned to the event loop, even for 0.
    virtual TimerId After(uint32_t ms, std::function<void()> task) = 0;
    // A cancelled timer never runs; cancelling one that ran or kNoTimer does nothing.
    virtual void Cancel(TimerId id) = 0;
};

} // namespace qx71
