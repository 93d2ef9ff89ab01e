#pragma once

#include "core/device/IHidPlatform.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace qx71 {

// Writes output reports on a thread of its own, so that a device that stops taking reports
// never blocks the caller past the time it is willing to wait.
//
// Why a thread and not a non-blocking descriptor with poll(): a hidraw write is synchronous in
// the kernel (the USB transfer runs inside write(), for up to the USB stack's timeout of
// several seconds), hidraw ignores O_NONBLOCK on write, and poll() reports a hidraw node as
// always writable. Only a second thread lets the caller stop waiting.
//
// The thread owns the write function (and through it the device it writes to); reports are
// written in the order they were submitted.
class OutputReportWriter {
public:
    // Writes one report; true when the whole report went out.
    using WriteFunction = std::function<bool(const uint8_t* data, size_t length)>;

    // Reports still waiting when a new one arrives: beyond this the device is not taking
    // reports at all and further ones are refused.
    static constexpr size_t kMaxOutstanding = 8;

    // `atOnce`: how long Submit waits for the write before calling it pending. A report that
    // the device takes normally is written well within it.
    OutputReportWriter(WriteFunction write, std::chrono::milliseconds atOnce);
    ~OutputReportWriter();
    OutputReportWriter(const OutputReportWriter&) = delete;
    OutputReportWriter& operator=(const OutputReportWriter&) = delete;

    // Done when the report was written within the `atOnce` time, Failed when the write failed
    // within it (or the writer is stopping, or too many reports are outstanding), Pending
    // otherwise.
    HidWriteResult Submit(const uint8_t* data, size_t length);
    // Waits at most `timeout` until every submitted report has been handled (written or
    // failed). True when that happened in time.
    bool WaitIdle(std::chrono::milliseconds timeout);
    // Drops the reports not yet started and lets the thread end after the one in progress.
    // Does not wait.
    void Stop();
    // True once the thread has ended (after Stop), so destroying the writer will not block.
    bool Finished() const;

private:
    void Run();

    WriteFunction write_;
    const std::chrono::milliseconds atOnce_;
    std::mutex submitMutex_; // one Submit at a time, so its outcome is its own write's
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<uint8_t>> queue_;
    uint64_t submitted_ = 0;
    uint64_t handled_ = 0;
    bool lastSucceeded_ = false;
    bool stopping_ = false;
    bool finished_ = false;
    std::thread thread_;
};

} // namespace qx71
