#include "platform/hid/OutputReportWriter.h"

#include <utility>

namespace qx71 {

OutputReportWriter::OutputReportWriter(WriteFunction write, std::chrono::milliseconds atOnce)
    : write_(std::move(write)), atOnce_(atOnce), thread_([this] { Run(); })
{
}

OutputReportWriter::~OutputReportWriter()
{
    Stop();
    thread_.join();
}

HidWriteResult OutputReportWriter::Submit(const uint8_t* data, size_t length)
{
    if (data == nullptr || length == 0) {
        return HidWriteResult::Failed;
    }
    std::lock_guard submit(submitMutex_);
    std::unique_lock lock(mutex_);
    if (stopping_ || submitted_ - handled_ >= kMaxOutstanding) {
        return HidWriteResult::Failed;
    }
    queue_.emplace_back(data, data + length);
    const uint64_t mine = ++submitted_;
    changed_.notify_all();
    if (!changed_.wait_for(lock, atOnce_, [&] { return handled_ >= mine; })) {
        return HidWriteResult::Pending;
    }
    // Submits are serialised, so the last report handled is this one.
    return lastSucceeded_ ? HidWriteResult::Done : HidWriteResult::Failed;
}

bool OutputReportWriter::WaitIdle(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return handled_ >= submitted_; });
}

void OutputReportWriter::Stop()
{
    std::lock_guard lock(mutex_);
    if (stopping_) {
        return;
    }
    stopping_ = true;
    handled_ += queue_.size();
    queue_.clear();
    lastSucceeded_ = false;
    changed_.notify_all();
}

bool OutputReportWriter::Finished() const
{
    std::lock_guard lock(mutex_);
    return finished_;
}

void OutputReportWriter::Run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (stopping_) {
            finished_ = true;
            return;
        }
        std::vector<uint8_t> report = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        const bool succeeded = write_(report.data(), report.size());
        lock.lock();
        ++handled_;
        lastSucceeded_ = succeeded;
        changed_.notify_all();
    }
}

} // namespace qx71
