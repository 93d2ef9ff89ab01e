#pragma once

#include "core/common/ITimerQueue.h"

#include <cstdint>

namespace qx71 {

// The steps of closing the main window, in order.
enum class CloseStep : int {
    RemoveTrayIcon = 1,
    DestroyPages = 2, // the statistics page saves its counts here
    CloseDevice = 3,
    StopThreads = 4, // run flags cleared and events signalled; nobody waits for them here
    End = 5,         // 500 ms later: the window ends and with it the program
};

class ICloseSteps {
public:
    virtual ~ICloseSteps() = default;
    virtual void Run(CloseStep step) = 0;
};

// Closing the program: "Exit", a lost mouse, the update-mode hand-over, a termination
// signal. Runs once however often it is asked; the last step follows on a timer, so the
// window thread never sleeps through the wait.
class CloseSequence {
public:
    static constexpr uint32_t kEndDelayMs = 500;

    CloseSequence(ICloseSteps& steps, ITimerQueue& timers);
    ~CloseSequence();
    CloseSequence(const CloseSequence&) = delete;
    CloseSequence& operator=(const CloseSequence&) = delete;

    // False when the close had already begun.
    bool Begin();
    bool Closing() const { return begun_; }

private:
    ICloseSteps& steps_;
    ITimerQueue& timers_;
    ITimerQueue::TimerId end_ = ITimerQueue::kNoTimer;
    bool begun_ = false;
};

} // namespace qx71
