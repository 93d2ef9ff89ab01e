#pragma once

#include "core/device/IHidPlatform.h"

#include <memory>
#include <string>

namespace qx71 {

// The HID operations over hidapi (hidraw). A probe handle opens nothing: its attributes come
// from the enumeration and its feature capabilities from the report descriptor in sysfs
// (parsed by ParseReportDescriptor), so probing needs no rights on the node. Read and Write
// handles open the node; output reports of a Write handle go through an OutputReportWriter.
// Every operation may be called from any thread.
class HidapiPlatform final : public IHidPlatform {
public:
    HidapiPlatform();
    ~HidapiPlatform() override;

    bool Init() override;
    std::vector<std::string> EnumerateInterfaces() override;
    HidHandle Open(const std::string& path, HidAccess access) override;
    void Close(HidHandle handle) override;
    bool GetAttributes(HidHandle handle, uint16_t& vendorId, uint16_t& productId) override;
    std::optional<HidUsage> GetTopLevelUsage(HidHandle handle) override;
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
