#pragma once

#include "core/common/IClock.h"

#include <mutex>
#include <vector>

namespace qx71::test {

// Records every sleep and advances its tick by it; never blocks.
class FakeClock final : public IClock {
public:
    void SleepMs(uint32_t ms) override
    {
        std::lock_guard lock(mutex_);
        sleeps_.push_back(ms);
        tick_ += ms;
    }
    uint32_t TickMs() override
    {
        std::lock_guard lock(mutex_);
        return tick_;
    }
    void Advance(uint32_t ms)
    {
        std::lock_guard lock(mutex_);
        tick_ += ms;
    }
    std::vector<uint32_t> Sleeps() const
    {
        std::lock_guard lock(mutex_);
        return sleeps_;
    }
    uint64_t TotalSleptMs() const
    {
        std::lock_guard lock(mutex_);
        uint64_t total = 0;
        for (auto s : sleeps_) {
            total += s;
        }
        return total;
    }
    void ClearSleeps()
    {
        std::lock_guard lock(mutex_);
        sleeps_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<uint32_t> sleeps_;
    uint32_t tick_ = 0;
};

} // namespace qx71::test
