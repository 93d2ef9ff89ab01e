#pragma once

#include "core/device/IHidPlatform.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace qx71 {

// The HID operations over hidapi (hidraw). Feature capabilities come from the interface's
// report descriptor, read from sysfs and parsed by ReportDescriptorParser.
class HidapiPlatform final : public IHidPlatform {
public:
    HidapiPlatform();
    ~HidapiPlatform() override;

    bool Init() override;
    std::vector<std::string> EnumerateInterfaces() override;
    HidHandle Open(const std::string& path, HidAccess access) override;
    void Close(HidHandle handle) override;
    bool GetAttributes(HidHandle handle, uint16_t& vendorId, uint16_t& productId) override;
    std::optional<size_t> GetFeatureValueCapsCount(HidHandle handle) override;
    std::optional<std::vector<HidValueCaps>> GetFeatureValueCaps(HidHandle handle,
                                                                 size_t maxCount) override;
    bool SetFeature(HidHandle handle, const uint8_t* data, size_t length) override;
    bool GetFeature(HidHandle handle, uint8_t* data, size_t length) override;
    HidWriteResult WriteOutput(HidHandle handle, const uint8_t* data, size_t length) override;
    bool WaitWriteCompletion(HidHandle handle, uint32_t timeoutMs) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace qx71
