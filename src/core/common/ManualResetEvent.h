#pragma once

#include <condition_variable>
#include <mutex>

namespace qx71 {

// An event that stays signalled until it is reset, like the events that drive the
// background threads.
class ManualResetEvent {
public:
    void Set()
    {
        {
            std::lock_guard lock(mutex_);
            signalled_ = true;
        }
        cv_.notify_all();
    }
    void Reset()
    {
        std::lock_guard lock(mutex_);
        signalled_ = false;
    }
    void Wait()
    {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return signalled_; });
    }
    bool IsSet() const
    {
        std::lock_guard lock(mutex_);
        return signalled_;
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    bool signalled_ = false;
};

} // namespace qx71
