#pragma once

#include "core/common/IClock.h"

#include <condition_variable>
#include <mutex>
#include <vector>

namespace qx71::test {

// A clock whose sleeps last until the test lets one pass, so a thread that waits with it
// (the cursor sampler) takes exactly one step per Step() however loaded the machine is. Its
// tick stands where the test puts it.
class SteppedClock final : public IClock {
public:
    void SleepMs(uint32_t ms) override
    {
        std::unique_lock lock(mutex_);
        sleeps_.push_back(ms);
        passed_.wait(lock, [&] { return steps_ > 0 || open_; });
        if (steps_ > 0) {
            --steps_;
        }
    }
    uint32_t TickMs() override
    {
        std::lock_guard lock(mutex_);
        return tick_;
    }
    void SetTick(uint32_t ms)
    {
        std::lock_guard lock(mutex_);
        tick_ = ms;
    }
    // Lets `count` sleeps pass (a sampler's interval is several sleeps).
    void Step(uint32_t count = 1)
    {
        std::lock_guard lock(mutex_);
        steps_ += count;
        passed_.notify_all();
    }
    // Every sleep from now on returns at once (before a thread that waits is joined).
    void Open()
    {
        std::lock_guard lock(mutex_);
        open_ = true;
        passed_.notify_all();
    }
    std::vector<uint32_t> Sleeps()
    {
        std::lock_guard lock(mutex_);
        return sleeps_;
    }

private:
    std::mutex mutex_;
    std::condition_variable passed_;
    std::vector<uint32_t> sleeps_;
    int steps_ = 0;
    bool open_ = false;
    uint32_t tick_ = 0;
};

} // namespace qx71::test
