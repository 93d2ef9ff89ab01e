#pragma once

#include "core/device/DeviceSurvey.h"
#include "platform/sim/SimulatedQx71.h"

namespace qx71 {

// Why a node of the simulated mouse does not open: its vendor interface answers as the
// simulated mouse was told to (permission denied, or read and write).
class SimulatedNodeAccess final : public IHidNodeAccess {
public:
    explicit SimulatedNodeAccess(const SimulatedQx71& mouse) : mouse_(mouse) {}
    NodeAccess CheckReadWrite(const std::string& path) override
    {
        if (path == SimulatedQx71::kVendorPath && mouse_.VendorAccessDenied()) {
            return NodeAccess::PermissionDenied;
        }
        return mouse_.Present() || path == SimulatedQx71::kOtherPath ? NodeAccess::ReadWrite
                                                                     : NodeAccess::Missing;
    }

private:
    const SimulatedQx71& mouse_;
};

} // namespace qx71
