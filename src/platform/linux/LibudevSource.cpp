#include "platform/linux/LibudevSource.h"

#include <libudev.h>

#include <unistd.h>

namespace qx71 {

namespace {

// Present while the udev daemon runs; without it the "udev" source stays silent.
constexpr const char* kUdevControl = "/run/udev/control";

std::string Text(const char* value)
{
    return value == nullptr ? std::string() : std::string(value);
}

std::optional<UsbIds> SysattrIds(struct udev_device* usb)
{
    if (usb == nullptr) {
        return std::nullopt;
    }
    UdevDevice ids;
    ids.properties["ID_VENDOR_ID"] = Text(udev_device_get_sysattr_value(usb, "idVendor"));
    ids.properties["ID_MODEL_ID"] = Text(udev_device_get_sysattr_value(usb, "idProduct"));
    return UsbIdsOf(ids);
}

UdevDevice Describe(struct udev_device* device)
{
    UdevDevice d;
    d.action = Text(udev_device_get_action(device));
    d.subsystem = Text(udev_device_get_subsystem(device));
    d.devtype = Text(udev_device_get_devtype(device));
    d.syspath = Text(udev_device_get_syspath(device));
    d.devnode = Text(udev_device_get_devnode(device));
    for (auto* entry = udev_device_get_properties_list_entry(device); entry != nullptr;
         entry = udev_list_entry_get_next(entry)) {
        d.properties[Text(udev_list_entry_get_name(entry))] =
            Text(udev_list_entry_get_value(entry));
    }
    // The parent is owned by the child: not to be unreferenced.
    struct udev_device* usb =
        d.devtype == "usb_device"
            ? device
            : udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    d.usbParent = SysattrIds(usb);
    return d;
}

} // namespace

LibudevSource::LibudevSource() : udev_(udev_new()) {}

LibudevSource::~LibudevSource()
{
    if (monitor_ != nullptr) {
        udev_monitor_unref(monitor_);
    }
    if (udev_ != nullptr) {
        udev_unref(udev_);
    }
}

bool LibudevSource::Listen()
{
    if (udev_ == nullptr) {
        return false;
    }
    const char* source = access(kUdevControl, F_OK) == 0 ? "udev" : "kernel";
    monitor_ = udev_monitor_new_from_netlink(udev_, source);
    if (monitor_ == nullptr) {
        return false;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "usb", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        udev_monitor_unref(monitor_);
        monitor_ = nullptr;
        return false;
    }
    return true;
}

int LibudevSource::Fd() const
{
    return monitor_ == nullptr ? -1 : udev_monitor_get_fd(monitor_);
}

std::optional<UdevDevice> LibudevSource::Receive()
{
    if (monitor_ == nullptr) {
        return std::nullopt;
    }
    struct udev_device* device = udev_monitor_receive_device(monitor_);
    if (device == nullptr) {
        return std::nullopt;
    }
    UdevDevice d = Describe(device);
    udev_device_unref(device);
    return d;
}

std::vector<UdevDevice> LibudevSource::Enumerate(const std::string& subsystem)
{
    std::vector<UdevDevice> devices;
    if (udev_ == nullptr) {
        return devices;
    }
    struct udev_enumerate* enumerate = udev_enumerate_new(udev_);
    if (enumerate == nullptr) {
        return devices;
    }
    udev_enumerate_add_match_subsystem(enumerate, subsystem.c_str());
    udev_enumerate_scan_devices(enumerate);
    for (auto* entry = udev_enumerate_get_list_entry(enumerate); entry != nullptr;
         entry = udev_list_entry_get_next(entry)) {
        struct udev_device* device =
            udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry));
        if (device != nullptr) {
            devices.push_back(Describe(device));
            udev_device_unref(device);
        }
    }
    udev_enumerate_unref(enumerate);
    return devices;
}

} // namespace qx71
