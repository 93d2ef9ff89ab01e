#include "core/app/CloseSequence.h"

namespace qx71 {

CloseSequence::CloseSequence(ICloseSteps& steps, ITimerQueue& timers)
    : steps_(steps), timers_(timers)
{
}

CloseSequence::~CloseSequence()
{
    timers_.Cancel(end_);
}

bool CloseSequence::Begin()
{
    if (begun_) {
        return false;
    }
    begun_ = true;
    steps_.Run(CloseStep::RemoveTrayIcon);
    steps_.Run(CloseStep::DestroyPages);
    steps_.Run(CloseStep::CloseDevice);
    steps_.Run(CloseStep::StopThreads);
    end_ = timers_.After(kEndDelayMs, [this] {
        end_ = ITimerQueue::kNoTimer;
        steps_.Run(CloseStep::End);
    });
    return true;
}

} // namespace qx71
