#pragma once

#include "core/common/IClock.h"
#include "support/TaskQueue.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace qx71::test {

// A fake clock that can hold a worker thread inside one of its waits: the first wait of the
// armed thread that `holdIf` accepts blocks until Release(). Waits of other threads pass at
// once. It stands for "the worker is in the middle of a pacing wait" without real time.
class GatedClock final : public IClock {
public:
    void Arm(std::thread::id worker, std::function<bool(uint32_t ms)> holdIf)
    {
        std::lock_guard lock(mutex_);
        worker_ = worker;
        holdIf_ = std::move(holdIf);
    }
    void SleepMs(uint32_t ms) override
    {
        std::unique_lock lock(mutex_);
        sleeps_.push_back(ms);
        tick_ += ms;
        if (std::this_thread::get_id() != worker_ || !holdIf_ || !holdIf_(ms)) {
            return;
        }
        holdIf_ = nullptr;
        held_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
        held_ = false;
    }
    uint32_t TickMs() override
    {
        std::lock_guard lock(mutex_);
        return tick_;
    }
    // Waits until the worker is held; false when it never got there.
    bool WaitHeld()
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kEventTimeout, [this] { return held_; });
    }
    void Release()
    {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread::id worker_;
    std::function<bool(uint32_t)> holdIf_;
    std::vector<uint32_t> sleeps_;
    uint32_t tick_ = 0;
    bool held_ = false;
    bool released_ = false;
};

} // namespace qx71::test
