#include "platform/sim/SimulatedDeviceMonitor.h"

#include "core/device/CUSBDriver.h"
#include "platform/sim/SimulatedQx71.h"

namespace qx71 {

// Posted reports hold it; Stop clears the handler, so nothing is delivered after it.
struct SimulatedDeviceMonitor::Delivery {
    Handler handler;
};

SimulatedDeviceMonitor::SimulatedDeviceMonitor(SimulatedQx71& mouse, PostTask post, bool updateMode)
    : mouse_(mouse), post_(std::move(post)), updateMode_(updateMode)
{
    if (updateMode_) {
        mouse_.Unplug();
    }
}

SimulatedDeviceMonitor::~SimulatedDeviceMonitor()
{
    Stop();
}

bool SimulatedDeviceMonitor::Start(const UsbIdentity&, Handler handler)
{
    Stop();
    delivery_ = std::make_shared<Delivery>(Delivery{std::move(handler)});
    return true;
}

void SimulatedDeviceMonitor::Stop()
{
    if (delivery_) {
        delivery_->handler = nullptr;
        delivery_.reset();
    }
}

bool SimulatedDeviceMonitor::IsPresent(const UsbIdentity& identity)
{
    const UsbIdentity update = UpdateModeIdentity();
    const bool asksUpdateMode = identity.vendorIdText == update.vendorIdText &&
                                identity.productIdText == update.productIdText;
    return asksUpdateMode ? updateMode_ : mouse_.Present();
}

void SimulatedDeviceMonitor::Unplug()
{
    if (!mouse_.Present()) {
        return;
    }
    mouse_.Unplug();
    Report(DeviceChangeKind::Removal);
}

void SimulatedDeviceMonitor::Plug()
{
    if (mouse_.Present()) {
        return;
    }
    updateMode_ = false;
    mouse_.Plug();
    Report(DeviceChangeKind::Arrival);
}

void SimulatedDeviceMonitor::Report(DeviceChangeKind kind)
{
    if (!delivery_) {
        return;
    }
    post_([delivery = delivery_, kind] {
        if (delivery->handler) {
            delivery->handler({kind, kDevicePath});
        }
    });
}

} // namespace qx71
