#pragma once

#include "core/device/IHidPlatform.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qx71 {

// What the link's walk makes of one HID interface, in the order it tests.
enum class ProbeVerdict {
    NotOpenable,        // not even a probe handle could be opened
    NoAttributes,       // its vendor and product identifiers cannot be read
    OtherDevice,        // another device's identifiers
    NoFeatureCaps,      // the mouse's identifiers, but no feature value capabilities
    NoVendorCollection, // the mouse's identifiers, but not the vendor collection
    VendorInterface,    // the interface the link talks to
};

struct HidInterfaceProbe {
    std::string path;
    ProbeVerdict verdict = ProbeVerdict::NotOpenable;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::optional<HidUsage> usage;
    // The vendor collection's feature capability (VendorInterface only).
    HidValueCaps vendorCaps;
};

// Looks at one interface through a probe handle, as the link's search does, and closes the
// probe again. Nothing is opened for reading or writing.
HidInterfaceProbe ProbeHidInterface(IHidPlatform& platform, const std::string& path,
                                    uint16_t vendorId, uint16_t productId);

} // namespace qx71
