#pragma once

#include "core/device/CUSBDriver.h"

#include <string>

namespace qx71 {

// The text by which a USB device path or hardware identifier is known to belong to an
// identity: "VID_" + vendor + "&PID_" + product, four upper-case hexadecimal digits each.
std::string UsbMatchText(const UsbIdentity& identity);

} // namespace qx71
