#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

struct UsbIds {
    uint16_t vendor = 0;
    uint16_t product = 0;
    friend bool operator==(const UsbIds&, const UsbIds&) = default;
};

// What the monitor needs to know of one device: from an event, or from an enumeration.
struct UdevDevice {
    std::string action; // "add", "remove", ...; empty from an enumeration
    std::string subsystem;
    std::string devtype;
    std::string syspath;
    std::string devnode;
    std::map<std::string, std::string> properties;
    // Identifiers of the USB device it belongs to (its own or a parent's), when still readable.
    std::optional<UsbIds> usbParent;
};

// The identifiers a device carries: the USB parent's, or those in its properties (PRODUCT of
// USB events, HID_ID of HID devices, udev's ID_VENDOR_ID and ID_MODEL_ID). Hexadecimal in
// any case.
std::optional<UsbIds> UsbIdsOf(const UdevDevice& device);

// The system's device events and device list: libudev on a real system, a script in tests.
class IUdevSource {
public:
    virtual ~IUdevSource() = default;
    // Starts listening to the hidraw and usb subsystems; false when impossible.
    virtual bool Listen() = 0;
    // Readable when an event waits.
    virtual int Fd() const = 0;
    // The next waiting event, if any.
    virtual std::optional<UdevDevice> Receive() = 0;
    // The devices of a subsystem present now.
    virtual std::vector<UdevDevice> Enumerate(const std::string& subsystem) = 0;
};

} // namespace qx71
