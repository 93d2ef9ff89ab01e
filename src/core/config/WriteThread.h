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
// them on to its own thread. Once a stop was requested, nothing more is reported.
class WriteThread {
public:
    // Runs one pass, reporting progress; nullopt on success. `stopping` turns true when the
    // thread is asked to end: the pass gives up at its next step.
    using Pass = std::function<std::optional<WriteFailure>(const std::function<void(int)>& progress,
                                                           const std::function<bool()>& stopping)>;
    struct Callbacks {
        std::function<void(int percent)> progress;
        std::function<void()> succeeded;
        std::function<void(WriteFailure)> failed;
        // Called by RequestStop after the run flag is cleared, on the stopping thread: cuts
        // short a wait of the pass that would otherwise run to its end (the link's commands).
        std::function<void()> interrupt;
    };

    WriteThread(IClock& clock, Pass pass, Callbacks callbacks);
    ~WriteThread();
    WriteThread(const WriteThread&) = delete;
    WriteThread& operator=(const WriteThread&) = delete;

    // Starts the thread waiting for requests. A request made before, or left over from an
    // earlier run, starts no pass.
    void Start();
    // Clears the run flag, wakes the thread and interrupts a running pass; does not wait.
    // Safe on any thread, also from within a callback.
    void RequestStop();
    // RequestStop, then waits for the thread to end. A running pass gives up at its next
    // step, so this waits for at most one of the mouse's pacing waits, never a whole pass.
    void Stop();
    bool Running() const { return running_; }

    // Starts a pass. Refused (false) when the thread does not run or a pass is under way.
    bool RequestPass();
    // True while no pass runs; the owner sets it again when it has handled the outcome.
    bool DeviceReady() const { return deviceReady_; }
    // True while a requested pass has not begun (the event is signalled for the thread).
    bool PassRequested() const { return running_ && writeEvent_.IsSet(); }
    void SetDeviceReady() { deviceReady_ = true; }

private:
    void Run();
    bool Stopping() const { return !running_; }

    IClock& clock_;
    Pass pass_;
    Callbacks callbacks_;
    ManualResetEvent writeEvent_;
    std::atomic<bool> running_{false};
    std::atomic<bool> deviceReady_{true};
    std::thread thread_;
};

} // namespace qx71
