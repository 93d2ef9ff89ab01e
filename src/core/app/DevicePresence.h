#pragma once

#include "core/app/IDeviceMonitor.h"
#include "core/common/ITimerQueue.h"

#include <cstdint>

namespace qx71 {

// What the window does when the mouse comes and goes.
class IPresenceActions {
public:
    virtual ~IPresenceActions() = default;
    virtual bool OpenDevice() = 0;
    virtual void CloseDevice() = 0;
    // Reads the firmware version into the support page (empty when unreadable).
    virtual void ReadFirmwareVersion() = 0;
    virtual void InstallHooks() = 0;
    virtual void RemoveHooks() = 0;
    // True while no write pass runs.
    virtual bool DeviceReady() = 0;
    // After a pass that the removal cut: ready again, Apply marked selected, no message.
    virtual void RestoreDeviceReady() = 0;
    // The "is found" notice.
    virtual void ShowFound() = 0;
    // The "cannot be found" notice; the program closes when it is gone.
    virtual void ShowLostThenClose() = 0;
    // The mouse arrived but could not be opened within the tries: the "cannot be found"
    // notice, and the program stays without a device until the next arrival.
    virtual void ShowArrivalFailed() = 0;
};

// The mouse's arrivals and removals while the program runs. An arrival opens the link with
// retries on a timer, never blocking the window, up to a limit; a removal closes the link
// and ends the program unless a write pass was running.
class DevicePresence {
public:
    static constexpr uint32_t kArrivalRetryMs = 2500;
    static constexpr int kArrivalTries = 12;

    DevicePresence(IPresenceActions& actions, ITimerQueue& timers);
    ~DevicePresence();
    DevicePresence(const DevicePresence&) = delete;
    DevicePresence& operator=(const DevicePresence&) = delete;

    // Changes reported by the device monitor (only the mouse's own devices).
    void OnChange(const DeviceChange& change);
    // The window is closing: no retry runs any more and later changes are ignored.
    void Stop();

    bool Retrying() const { return retry_ != ITimerQueue::kNoTimer; }
    int Tries() const { return tries_; }

private:
    void OnArrival();
    void OnRemoval();
    void TryOpen();
    void CancelRetry();

    IPresenceActions& actions_;
    ITimerQueue& timers_;
    ITimerQueue::TimerId retry_ = ITimerQueue::kNoTimer;
    int tries_ = 0;
    bool stopped_ = false;
};

} // namespace qx71
