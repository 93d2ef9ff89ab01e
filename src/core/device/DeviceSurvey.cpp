#include "core/device/DeviceSurvey.h"

#include "core/app/IDeviceMonitor.h"

#include <algorithm>

namespace qx71 {

namespace {

bool OpensForReadAndWrite(IHidPlatform& platform, const std::string& path)
{
    // Two handles, as the link opens them.
    const HidHandle read = platform.Open(path, HidAccess::Read);
    const HidHandle write = platform.Open(path, HidAccess::Write);
    const bool both = read != kInvalidHidHandle && write != kInvalidHidHandle;
    if (read != kInvalidHidHandle) {
        platform.Close(read);
    }
    if (write != kInvalidHidHandle) {
        platform.Close(write);
    }
    return both;
}

InterfaceRole RoleOf(const HidInterfaceProbe& probe, uint16_t updateVendor, uint16_t updateProduct)
{
    switch (probe.verdict) {
    case ProbeVerdict::VendorInterface:
        return InterfaceRole::MouseVendor;
    case ProbeVerdict::NoFeatureCaps:
    case ProbeVerdict::NoVendorCollection:
        return InterfaceRole::MouseOther;
    case ProbeVerdict::OtherDevice:
        return probe.vendorId == updateVendor && probe.productId == updateProduct
                   ? InterfaceRole::UpdateMode
                   : InterfaceRole::Other;
    case ProbeVerdict::NotOpenable:
    case ProbeVerdict::NoAttributes:
        break;
    }
    return InterfaceRole::Other;
}

bool Any(const DeviceSurvey& survey, InterfaceRole role)
{
    return std::any_of(survey.interfaces.begin(), survey.interfaces.end(),
                       [role](const SurveyedInterface& i) { return i.role == role; });
}

} // namespace

DeviceSurvey SurveyDevices(IHidPlatform& platform, IHidNodeAccess& nodes, IDeviceMonitor* monitor,
                           const UsbIdentity& mouse, const UsbIdentity& updateMode)
{
    DeviceSurvey survey;
    const uint16_t vendorId = ParseHexId(mouse.vendorIdText);
    const uint16_t productId = ParseHexId(mouse.productIdText);
    const uint16_t updateVendor = ParseHexId(updateMode.vendorIdText);
    const uint16_t updateProduct = ParseHexId(updateMode.productIdText);

    if (platform.Init()) {
        for (const std::string& path : platform.EnumerateInterfaces()) {
            HidInterfaceProbe probe = ProbeHidInterface(platform, path, vendorId, productId);
            const InterfaceRole role = RoleOf(probe, updateVendor, updateProduct);
            survey.interfaces.push_back(SurveyedInterface{std::move(probe), role});
        }
    }

    // The first vendor interface that opens is the one the link uses.
    for (size_t i = 0; i < survey.interfaces.size(); ++i) {
        const SurveyedInterface& iface = survey.interfaces[i];
        if (iface.role != InterfaceRole::MouseVendor) {
            continue;
        }
        if (!survey.mouse) {
            survey.mouse = i;
        }
        if (OpensForReadAndWrite(platform, iface.probe.path)) {
            survey.mouse = i;
            survey.mouseAccess = NodeAccess::ReadWrite;
            break;
        }
    }
    if (survey.mouse && survey.mouseAccess != NodeAccess::ReadWrite) {
        survey.mouseAccess = nodes.CheckReadWrite(survey.interfaces[*survey.mouse].probe.path);
        // The node opened on its own but the platform's open did not: no reason to give.
        if (survey.mouseAccess == NodeAccess::ReadWrite) {
            survey.mouseAccess = NodeAccess::Failed;
        }
    }

    survey.updateModePresent = Any(survey, InterfaceRole::UpdateMode) ||
                               (monitor != nullptr && monitor->IsPresent(updateMode));

    if (survey.mouse) {
        survey.status = survey.mouseAccess == NodeAccess::ReadWrite ? MouseStatus::Usable
                                                                    : MouseStatus::NotUsable;
    } else if (survey.updateModePresent) {
        survey.status = MouseStatus::UpdateMode;
    } else if (Any(survey, InterfaceRole::MouseOther)) {
        survey.status = MouseStatus::NotUsable;
    } else {
        survey.status = MouseStatus::Absent;
    }
    return survey;
}

} // namespace qx71
