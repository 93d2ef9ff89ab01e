#pragma once

#include "core/common/ITimerQueue.h"

#include <map>
#include <utility>

namespace qx71::test {

// Timers that run only when the test advances time, in order of their due time (and of
// their start for equal times).
class FakeTimerQueue final : public ITimerQueue {
public:
    TimerId After(uint32_t ms, std::function<void()> task) override
    {
        const TimerId id = ++lastId_;
        pending_.emplace(std::make_pair(now_ + ms, id), std::move(task));
        return id;
    }
    void Cancel(TimerId id) override
    {
        for (auto it = pending_.begin(); it != pending_.end(); ++it) {
            if (it->first.second == id) {
                pending_.erase(it);
                return;
            }
        }
    }
    // Moves time forward by `ms`, running every timer that falls due on the way (also those
    // started by the timers themselves).
    void Advance(uint64_t ms)
    {
        const uint64_t end = now_ + ms;
        while (!pending_.empty() && pending_.begin()->first.first <= end) {
            auto it = pending_.begin();
            now_ = it->first.first;
            auto task = std::move(it->second);
            pending_.erase(it);
            task();
        }
        now_ = end;
    }
    // Runs what is due now (the 0 ms timers), as the event loop would.
    void RunDue() { Advance(0); }
    uint64_t Now() const { return now_; }
    size_t PendingCount() const { return pending_.size(); }

private:
    uint64_t now_ = 0;
    TimerId lastId_ = kNoTimer;
    std::map<std::pair<uint64_t, TimerId>, std::function<void()>> pending_;
};

} // namespace qx71::test
