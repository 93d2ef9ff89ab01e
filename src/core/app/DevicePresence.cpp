#include "core/app/DevicePresence.h"

namespace qx71 {

DevicePresence::DevicePresence(IPresenceActions& actions, ITimerQueue& timers)
    : actions_(actions), timers_(timers)
{
}

DevicePresence::~DevicePresence()
{
    CancelRetry();
}

void DevicePresence::OnChange(const DeviceChange& change)
{
    if (stopped_) {
        return;
    }
    switch (change.kind) {
    case DeviceChangeKind::Arrival:
        OnArrival();
        break;
    case DeviceChangeKind::Removal:
        OnRemoval();
        break;
    }
}

void DevicePresence::Stop()
{
    CancelRetry();
    stopped_ = true;
}

void DevicePresence::OnArrival()
{
    CancelRetry();
    tries_ = 0;
    TryOpen();
}

void DevicePresence::TryOpen()
{
    ++tries_;
    if (!actions_.OpenDevice()) {
        if (tries_ < kArrivalTries) {
            retry_ = timers_.After(kArrivalRetryMs, [this] {
                retry_ = ITimerQueue::kNoTimer;
                TryOpen();
            });
        } else {
            actions_.ShowArrivalFailed();
        }
        return;
    }
    actions_.ReadFirmwareVersion();
    actions_.InstallHooks();
    if (actions_.DeviceReady()) {
        actions_.ShowFound();
    } else {
        actions_.RestoreDeviceReady();
    }
}

void DevicePresence::OnRemoval()
{
    CancelRetry();
    actions_.CloseDevice();
    actions_.RemoveHooks();
    if (actions_.DeviceReady()) {
        stopped_ = true;
        actions_.ShowLostThenClose();
    }
}

void DevicePresence::CancelRetry()
{
    timers_.Cancel(retry_);
    retry_ = ITimerQueue::kNoTimer;
}

} // namespace qx71
