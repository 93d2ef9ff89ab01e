#pragma once

#include "core/common/ManualResetEvent.h"
#include "core/config/WritePass.h"

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

namespace qx71 {

class IClock;

// The background thread that writes the active profile to the mouse, one pass per request.
// It reports only through the callbacks, which run on the thread itself: the window posts
// them on to its own thread.
class WriteThread {
public:
    // Runs one pass, reporting progress; nullopt on success.
    using Pass = std::function<std::optional<WriteFailure>(const std::function<void(int)>&)>;
    struct Callbacks {
        std::function<void(int percent)> progress;
        std::function<void()> succeeded;
        std::function<void(WriteFailure)> failed;
    };

    WriteThread(IClock& clock, Pass pass, Callbacks callbacks);
    ~WriteThread();
    WriteThread(const WriteThread&) = delete;
    WriteThread& operator=(const WriteThread&) = delete;

    void Start();
    // Clears the run flag, wakes the thread and waits for it (after the pass that runs).
    void Stop();
    bool Running() const { return running_; }

    // Starts a pass. Refused (false) when the thread does not run or a pass is under way.
    bool RequestPass();
    // True while no pass runs; the owner sets it again when it has handled the outcome.
    bool DeviceReady() const { return deviceReady_; }
    void SetDeviceReady() { deviceReady_ = true; }

private:
    void Run();

    IClock& clock_;
    Pass pass_;
    Callbacks callbacks_;
    ManualResetEvent writeEvent_;
    std::atomic<bool> running_{false};
    std::atomic<bool> deviceReady_{true};
    std::thread thread_;
};

} // namespace qx71
