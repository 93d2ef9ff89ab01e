#include "core/config/WriteThread.h"

#include "core/common/IClock.h"

namespace qx71 {

WriteThread::WriteThread(IClock& clock, Pass pass, Callbacks callbacks)
    : clock_(clock), pass_(std::move(pass)), callbacks_(std::move(callbacks))
{
}

WriteThread::~WriteThread()
{
    Stop();
}

void WriteThread::Start()
{
    if (running_) {
        return;
    }
    // A thread of an earlier run that was asked to stop but not yet waited for.
    if (thread_.joinable()) {
        thread_.join();
    }
    // The stop left the event signalled; a stale signal must not start a pass.
    writeEvent_.Reset();
    deviceReady_ = true;
    running_ = true;
    thread_ = std::thread([this] { Run(); });
}

void WriteThread::RequestStop()
{
    if (!running_.exchange(false)) {
        return;
    }
    writeEvent_.Set();
    if (callbacks_.interrupt) {
        callbacks_.interrupt();
    }
}

void WriteThread::Stop()
{
    RequestStop();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) {
        thread_.join();
    }
}

bool WriteThread::RequestPass()
{
    if (!running_) {
        return false;
    }
    // Taking the flag here, not on the thread, makes a second request before the pass starts
    // a refusal rather than a second pass.
    bool ready = true;
    if (!deviceReady_.compare_exchange_strong(ready, false)) {
        return false;
    }
    writeEvent_.Set();
    return true;
}

void WriteThread::Run()
{
    const std::function<bool()> stopping = [this] { return Stopping(); };
    const std::function<void(int)> progress = [this](int percent) {
        if (!Stopping() && callbacks_.progress) {
            callbacks_.progress(percent);
        }
    };
    while (!Stopping()) {
        writeEvent_.Wait();
        if (Stopping()) {
            break;
        }
        writeEvent_.Reset();
        clock_.SleepMs(WritePassPacing::kStart);
        if (Stopping()) {
            break;
        }
        const auto failure = pass_(progress, stopping);
        // The owner that asked for the stop no longer waits for an outcome.
        if (Stopping()) {
            break;
        }
        if (failure) {
            if (callbacks_.failed) {
                callbacks_.failed(*failure);
            }
        } else if (callbacks_.succeeded) {
            callbacks_.succeeded();
        }
    }
}

} // namespace qx71
