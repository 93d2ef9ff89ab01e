#pragma once

#include "core/app/IDeviceMonitor.h"
#include "core/common/PostTask.h"

#include <memory>

namespace qx71 {

class SimulatedQx71;

// The device notifications of the simulated mouse: unplugging and plugging it in again
// reports a removal and an arrival, as the system does for the real one. Optionally the
// mouse sits in its update mode at start.
class SimulatedDeviceMonitor final : public IDeviceMonitor {
public:
    static constexpr const char* kDevicePath = "sim:qx71-usb";

    SimulatedDeviceMonitor(SimulatedQx71& mouse, PostTask post, bool updateMode = false);
    ~SimulatedDeviceMonitor() override;
    SimulatedDeviceMonitor(const SimulatedDeviceMonitor&) = delete;
    SimulatedDeviceMonitor& operator=(const SimulatedDeviceMonitor&) = delete;

    bool Start(const UsbIdentity& identity, Handler handler) override;
    void Stop() override;
    bool IsPresent(const UsbIdentity& identity) override;

    // On the owner's thread.
    void Unplug();
    void Plug();

private:
    struct Delivery;
    void Report(DeviceChangeKind kind);

    SimulatedQx71& mouse_;
    PostTask post_;
    bool updateMode_;
    std::shared_ptr<Delivery> delivery_;
};

} // namespace qx71
