#include "platform/linux/UdevDeviceMonitor.h"

#include "platform/linux/LibudevSource.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace qx71 {

namespace {

UsbIds IdsOf(const UsbIdentity& identity)
{
    return UsbIds{ParseHexId(identity.vendorIdText), ParseHexId(identity.productIdText)};
}

} // namespace

// Posted tasks hold it; Stop clears the handler on the owner's thread, where they run.
struct UdevDeviceMonitor::Delivery {
    Handler handler;
};

UdevDeviceMonitor::UdevDeviceMonitor(PostTask post, std::unique_ptr<IUdevSource> source)
    : post_(std::move(post)), source_(std::move(source))
{
    if (!source_) {
        source_ = std::make_unique<LibudevSource>();
    }
}

UdevDeviceMonitor::~UdevDeviceMonitor()
{
    Stop();
}

bool UdevDeviceMonitor::IsPresent(const UsbIdentity& identity)
{
    const UsbIds wanted = IdsOf(identity);
    for (const UdevDevice& device : source_->Enumerate("usb")) {
        if (device.devtype == "usb_device" && UsbIdsOf(device) == wanted) {
            return true;
        }
    }
    return false;
}

bool UdevDeviceMonitor::Start(const UsbIdentity& identity, Handler handler)
{
    Stop();
    if (!listening_) {
        listening_ = source_->Listen();
        if (!listening_) {
            return false;
        }
    }
    wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake_ < 0) {
        return false;
    }
    watched_ = IdsOf(identity);
    // A mouse plugged in already is present: its unplugging is the first thing to report.
    present_ = false;
    matched_.clear();
    for (const UdevDevice& device : source_->Enumerate("hidraw")) {
        if (Matches(device)) {
            present_ = true;
            matched_.insert(device.syspath);
        }
    }
    delivery_ = std::make_shared<Delivery>();
    delivery_->handler = std::move(handler);
    stop_ = false;
    thread_ = std::thread([this] { Run(); });
    return true;
}

void UdevDeviceMonitor::Stop()
{
    if (thread_.joinable()) {
        stop_ = true;
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t written = write(wake_, &one, sizeof one);
        thread_.join();
    }
    if (wake_ >= 0) {
        close(wake_);
        wake_ = -1;
    }
    if (delivery_) {
        delivery_->handler = nullptr;
        delivery_.reset();
    }
}

void UdevDeviceMonitor::Run()
{
    while (!stop_) {
        pollfd fds[2] = {{source_->Fd(), POLLIN, 0}, {wake_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            continue;
        }
        if ((fds[0].revents & POLLIN) == 0) {
            continue;
        }
        while (!stop_) {
            auto device = source_->Receive();
            if (!device) {
                break;
            }
            OnEvent(*device);
        }
    }
}

bool UdevDeviceMonitor::Matches(const UdevDevice& device) const
{
    return UsbIdsOf(device) == watched_;
}

void UdevDeviceMonitor::OnEvent(const UdevDevice& device)
{
    if (device.action == "add" || device.action == "bind") {
        if (!Matches(device)) {
            return;
        }
        matched_.insert(device.syspath);
        if (device.subsystem == "hidraw" && !present_) {
            present_ = true;
            Post(DeviceChangeKind::Arrival, device);
        }
    } else if (device.action == "remove") {
        const bool known = matched_.erase(device.syspath) > 0;
        if (!known && !Matches(device)) {
            return;
        }
        if (present_) {
            present_ = false;
            Post(DeviceChangeKind::Removal, device);
        }
    }
}

void UdevDeviceMonitor::Post(DeviceChangeKind kind, const UdevDevice& device)
{
    DeviceChange change{kind, device.devnode.empty() ? device.syspath : device.devnode};
    post_([delivery = delivery_, change] {
        if (delivery->handler) {
            delivery->handler(change);
        }
    });
}

} // namespace qx71
