#pragma once

#include "core/app/IDeviceMonitor.h"
#include "core/common/PostTask.h"
#include "platform/linux/UdevSource.h"

#include <atomic>
#include <memory>
#include <set>
#include <string>
#include <thread>

namespace qx71 {

// Arrival and removal of the mouse from udev's hidraw and usb events. One plug-in reports one
// arrival, when the mouse's first HID node appears (the link can open then); one unplugging
// reports one removal, at the first of its devices to go. Removal events no longer carry
// readable parents, so the monitor remembers which devices it matched.
class UdevDeviceMonitor final : public IDeviceMonitor {
public:
    // `source` null: libudev.
    explicit UdevDeviceMonitor(PostTask post, std::unique_ptr<IUdevSource> source = nullptr);
    ~UdevDeviceMonitor() override;
    UdevDeviceMonitor(const UdevDeviceMonitor&) = delete;
    UdevDeviceMonitor& operator=(const UdevDeviceMonitor&) = delete;

    bool Start(const UsbIdentity& identity, Handler handler) override;
    void Stop() override;
    bool IsPresent(const UsbIdentity& identity) override;

private:
    struct Delivery;
    void Run();
    void OnEvent(const UdevDevice& device);
    bool Matches(const UdevDevice& device) const;
    void Post(DeviceChangeKind kind, const UdevDevice& device);

    PostTask post_;
    std::unique_ptr<IUdevSource> source_;
    bool listening_ = false;
    UsbIds watched_;
    std::shared_ptr<Delivery> delivery_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    int wake_ = -1;
    // Reader thread only.
    bool present_ = false;
    std::set<std::string> matched_;
};

} // namespace qx71
