#pragma once

#include "core/device/CUSBDriver.h"
#include "core/device/HidInterfaceProbe.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

class IDeviceMonitor;

// Whether a HID node opens for reading and writing, and if not, why.
enum class NodeAccess {
    ReadWrite,
    PermissionDenied,
    Busy,
    Missing, // the node went away
    Failed,  // any other refusal
};

// Opens a device node as the link would, to tell why an open failed.
class IHidNodeAccess {
public:
    virtual ~IHidNodeAccess() = default;
    virtual NodeAccess CheckReadWrite(const std::string& path) = 0;
};

// What an interface is to us.
enum class InterfaceRole {
    Other,       // another device
    MouseVendor, // the mouse's vendor interface, the one the link talks to
    MouseOther,  // another interface of the mouse (its boot interface, for example)
    UpdateMode,  // the mouse in its firmware update mode
};

enum class MouseStatus {
    Usable,     // the vendor interface opens for reading and writing
    Absent,     // nothing of the mouse is plugged in
    NotUsable,  // the mouse is plugged in, but its vendor interface cannot be used
    UpdateMode, // the mouse waits for new firmware
};

struct SurveyedInterface {
    HidInterfaceProbe probe;
    InterfaceRole role = InterfaceRole::Other;
};

struct DeviceSurvey {
    std::vector<SurveyedInterface> interfaces;
    // The vendor interface the link would use; when none opens, the first one found.
    std::optional<size_t> mouse;
    // Meaningful with `mouse` only.
    NodeAccess mouseAccess = NodeAccess::Missing;
    bool updateModePresent = false;
    MouseStatus status = MouseStatus::Absent;
};

// Every HID interface as the link's search sees it, whether the mouse's vendor interface opens
// for reading and writing (and why not), and whether the update-mode identity is plugged in.
// `monitor` may be null: then only HID interfaces can show the update mode.
DeviceSurvey SurveyDevices(IHidPlatform& platform, IHidNodeAccess& nodes, IDeviceMonitor* monitor,
                           const UsbIdentity& mouse, const UsbIdentity& updateMode);

} // namespace qx71
