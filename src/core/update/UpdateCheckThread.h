#pragma once

#include "core/common/ManualResetEvent.h"

#include <atomic>
#include <functional>
#include <thread>

namespace qx71 {

// The update-check thread: it waits on UpdateEvent and runs one pass per signal for as long
// as UpdateThreadRunning holds.
class UpdateCheckThread {
public:
    using Pass = std::function<void()>;

    explicit UpdateCheckThread(Pass pass);
    ~UpdateCheckThread();
    UpdateCheckThread(const UpdateCheckThread&) = delete;
    UpdateCheckThread& operator=(const UpdateCheckThread&) = delete;

    void Start();
    // Clears UpdateThreadRunning, signals UpdateEvent and waits for the thread; the owner ends
    // a running pass first (see FirmwareUpdate::Stop).
    void Stop();
    bool Running() const { return running_; }

    // UpdateEvent.
    void Signal() { event_.Set(); }
    void ResetEvent() { event_.Reset(); }
    bool Signalled() const { return event_.IsSet(); }

private:
    void Run();

    Pass pass_;
    ManualResetEvent event_;
    std::atomic<bool> running_{true};
    std::thread thread_;
};

} // namespace qx71
