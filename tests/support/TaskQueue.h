#pragma once

#include "core/common/PostTask.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace qx71::test {

// Generous: a wait only ends early when what it waits for arrives.
inline constexpr std::chrono::seconds kEventTimeout{20};

// The owner's thread of the tests: backends post here and the test runs the tasks.
class TaskQueue {
public:
    PostTask Poster();
    // Runs posted tasks until `done` holds or the timeout passes; returns `done()`.
    bool RunUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds timeout = kEventTimeout);
    // Runs the tasks posted so far.
    void RunPending();
    // Waits until at least `count` tasks wait to run, without running them.
    bool WaitPending(size_t count, std::chrono::milliseconds timeout = kEventTimeout);

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

} // namespace qx71::test
