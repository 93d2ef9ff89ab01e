#include "core/device/HidInterfaceProbe.h"

#include "core/device/CUSBDriver.h"

#include <algorithm>

namespace qx71 {

namespace {

// The probe handle is closed on every way out.
class ProbeHandle {
public:
    ProbeHandle(IHidPlatform& platform, const std::string& path)
        : platform_(platform), handle_(platform.Open(path, HidAccess::Probe))
    {
    }
    ~ProbeHandle()
    {
        if (handle_ != kInvalidHidHandle) {
            platform_.Close(handle_);
        }
    }
    ProbeHandle(const ProbeHandle&) = delete;
    ProbeHandle& operator=(const ProbeHandle&) = delete;
    HidHandle Get() const { return handle_; }

private:
    IHidPlatform& platform_;
    HidHandle handle_;
};

bool IsUsableVendorCaps(const HidValueCaps& c)
{
    // A report longer than the link's buffers would overrun them: such an interface is not
    // the mouse's.
    return c.usagePage == CUSBDriver::kVendorUsagePage && c.usage == CUSBDriver::kVendorUsage &&
           c.reportCount != 0 && c.reportCount + 1u <= CUSBDriver::kBufferSize;
}

} // namespace

HidInterfaceProbe ProbeHidInterface(IHidPlatform& platform, const std::string& path,
                                    uint16_t vendorId, uint16_t productId)
{
    HidInterfaceProbe result;
    result.path = path;
    const ProbeHandle probe(platform, path);
    if (probe.Get() == kInvalidHidHandle) {
        return result;
    }
    if (!platform.GetAttributes(probe.Get(), result.vendorId, result.productId)) {
        result.verdict = ProbeVerdict::NoAttributes;
        return result;
    }
    result.usage = platform.GetTopLevelUsage(probe.Get());
    if (result.vendorId != vendorId || result.productId != productId) {
        result.verdict = ProbeVerdict::OtherDevice;
        return result;
    }
    const auto count = platform.GetFeatureValueCapsCount(probe.Get());
    if (!count || *count == 0) {
        result.verdict = ProbeVerdict::NoFeatureCaps;
        return result;
    }
    const auto caps =
        platform.GetFeatureValueCaps(probe.Get(), std::min(*count, CUSBDriver::kMaxValueCaps));
    if (!caps) {
        result.verdict = ProbeVerdict::NoFeatureCaps;
        return result;
    }
    // The first capability of the vendor collection decides, as on the mouse's own platform.
    const auto match = std::find_if(caps->begin(), caps->end(), [](const HidValueCaps& c) {
        return c.usagePage == CUSBDriver::kVendorUsagePage && c.usage == CUSBDriver::kVendorUsage;
    });
    if (match == caps->end() || !IsUsableVendorCaps(*match)) {
        result.verdict = ProbeVerdict::NoVendorCollection;
        return result;
    }
    result.verdict = ProbeVerdict::VendorInterface;
    result.vendorCaps = *match;
    return result;
}

} // namespace qx71
