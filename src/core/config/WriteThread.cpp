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
    if (running_.exchange(true)) {
        return;
    }
    deviceReady_ = true;
    thread_ = std::thread([this] { Run(); });
}

void WriteThread::Stop()
{
    running_ = false;
    writeEvent_.Set();
    if (thread_.joinable()) {
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
    while (running_) {
        writeEvent_.Wait();
        if (!running_) {
            break;
        }
        writeEvent_.Reset();
        clock_.SleepMs(WritePassPacing::kStart);
        const auto failure = pass_([this](int percent) {
            if (callbacks_.progress) {
                callbacks_.progress(percent);
            }
        });
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
