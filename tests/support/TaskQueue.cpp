#include "support/TaskQueue.h"

namespace qx71::test {

PostTask TaskQueue::Poster()
{
    return [this](std::function<void()> task) {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        posted_.notify_all();
    };
}

bool TaskQueue::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            if (!posted_.wait_until(lock, deadline, [this] { return !tasks_.empty(); })) {
                return done();
            }
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
    return true;
}

void TaskQueue::RunPending()
{
    std::deque<std::function<void()>> tasks;
    {
        std::lock_guard lock(mutex_);
        tasks.swap(tasks_);
    }
    for (auto& task : tasks) {
        task();
    }
}

bool TaskQueue::WaitPending(size_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, timeout, [&] { return tasks_.size() >= count; });
}

} // namespace qx71::test
