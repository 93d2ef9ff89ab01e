#pragma once

#include "core/device/CUSBDriver.h"

#include <functional>
#include <string>

namespace qx71 {

enum class DeviceChangeKind {
    Arrival,
    Removal,
};

struct DeviceChange {
    DeviceChangeKind kind = DeviceChangeKind::Arrival;
    std::string path; // the system's name of the device that came or went
};

// Follows the USB devices that come and go. Only devices carrying the watched identity (the
// vendor and product identifiers of the device or of its USB parent) are reported.
class IDeviceMonitor {
public:
    using Handler = std::function<void(const DeviceChange&)>;

    virtual ~IDeviceMonitor() = default;
    // Starts reporting arrivals and removals of `identity` to `handler`, by posting onto the
    // owner's thread. False when the system offers no notifications.
    virtual bool Start(const UsbIdentity& identity, Handler handler) = 0;
    // Stops reporting; no handler call follows, even one already posted. Call it on the
    // owner's thread.
    virtual void Stop() = 0;
    // Whether a USB device of `identity` is plugged in now (the update-mode test at start).
    virtual bool IsPresent(const UsbIdentity& identity) = 0;
};

} // namespace qx71
