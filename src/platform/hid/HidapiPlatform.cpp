#include "platform/hid/HidapiPlatform.h"

#include <hidapi/hidapi.h>

namespace qx71 {

// Placeholder until the hidapi backend lands: no HID interface is reported, so the link
// reports that no mouse is present.
struct HidapiPlatform::Impl {
    bool initialised = false;
};

HidapiPlatform::HidapiPlatform() : impl_(std::make_unique<Impl>()) {}

HidapiPlatform::~HidapiPlatform()
{
    if (impl_->initialised) {
        hid_exit();
    }
}

bool HidapiPlatform::Init()
{
    impl_->initialised = hid_init() == 0;
    return impl_->initialised;
}

std::vector<std::string> HidapiPlatform::EnumerateInterfaces() { return {}; }
HidHandle HidapiPlatform::Open(const std::string&, HidAccess) { return kInvalidHidHandle; }
void HidapiPlatform::Close(HidHandle) {}
bool HidapiPlatform::GetAttributes(HidHandle, uint16_t&, uint16_t&) { return false; }
std::optional<size_t> HidapiPlatform::GetFeatureValueCapsCount(HidHandle) { return std::nullopt; }
std::optional<std::vector<HidValueCaps>> HidapiPlatform::GetFeatureValueCaps(HidHandle, size_t)
{
    return std::nullopt;
}
bool HidapiPlatform::SetFeature(HidHandle, const uint8_t*, size_t) { return false; }
bool HidapiPlatform::GetFeature(HidHandle, uint8_t*, size_t) { return false; }
HidWriteResult HidapiPlatform::WriteOutput(HidHandle, const uint8_t*, size_t)
{
    return HidWriteResult::Failed;
}
bool HidapiPlatform::WaitWriteCompletion(HidHandle, uint32_t) { return false; }

} // namespace qx71
