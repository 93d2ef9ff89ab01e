#pragma once

#include "core/app/IDeviceMonitor.h"

#include <string>
#include <vector>

namespace qx71 {

// Whether a USB device of an identity is plugged in: the walk over the present USB devices of
// every class (enumerator "USB") and their hardware identifiers. Arrivals and removals are not
// followed here (they come to a window as WM_DEVICECHANGE): Start reports that.
class WinUsbPresence final : public IDeviceMonitor {
public:
    // The hardware identifier is read into a buffer of this many bytes; a longer one is
    // skipped.
    static constexpr unsigned long kHardwareIdBytes = 260;

    bool Start(const UsbIdentity& identity, Handler handler) override;
    void Stop() override;
    bool IsPresent(const UsbIdentity& identity) override;

    // The first hardware identifier of every present USB device, in the system's order.
    static std::vector<std::wstring> HardwareIds();
    // Whether `hardwareId` holds the identity's match text, in any case.
    static bool Matches(const std::wstring& hardwareId, const UsbIdentity& identity);
};

} // namespace qx71
