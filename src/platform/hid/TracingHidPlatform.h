#pragma once

#include "core/device/IHidPlatform.h"

#include <fstream>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>

namespace qx71 {

// Passes every operation on and writes each report that reached the device as one line:
// "set-feature <hex>", "get-feature <hex>" (the reply) or "output <hex>", every byte of the
// report in lowercase hex, report ID first.
class TracingHidPlatform final : public IHidPlatform {
public:
    TracingHidPlatform(IHidPlatform& inner, const std::string& file);
    TracingHidPlatform(IHidPlatform& inner, std::ostream& out);
    ~TracingHidPlatform() override;

    bool Init() override { return inner_.Init(); }
    std::vector<std::string> EnumerateInterfaces() override { return inner_.EnumerateInterfaces(); }
    HidHandle Open(const std::string& path, HidAccess access) override
    {
        return inner_.Open(path, access);
    }
    void Close(HidHandle handle) override { inner_.Close(handle); }
    bool GetAttributes(HidHandle handle, uint16_t& vendorId, uint16_t& productId) override
    {
        return inner_.GetAttributes(handle, vendorId, productId);
    }
    std::optional<HidUsage> GetTopLevelUsage(HidHandle handle) override
    {
        return inner_.GetTopLevelUsage(handle);
    }
    std::optional<size_t> GetFeatureValueCapsCount(HidHandle handle) override
    {
        return inner_.GetFeatureValueCapsCount(handle);
    }
    std::optional<std::vector<HidValueCaps>> GetFeatureValueCaps(HidHandle handle,
                                                                 size_t maxCount) override
    {
        return inner_.GetFeatureValueCaps(handle, maxCount);
    }
    bool SetFeature(HidHandle handle, const uint8_t* data, size_t length) override;
    bool GetFeature(HidHandle handle, uint8_t* data, size_t length) override;
    HidWriteResult WriteOutput(HidHandle handle, const uint8_t* data, size_t length) override;
    bool WaitWriteCompletion(HidHandle handle, uint32_t timeoutMs) override
    {
        return inner_.WaitWriteCompletion(handle, timeoutMs);
    }

    bool Good() const;

private:
    void Line(const char* kind, const uint8_t* data, size_t length);

    IHidPlatform& inner_;
    std::unique_ptr<std::ofstream> file_;
    std::ostream& out_;
    std::mutex mutex_;
};

} // namespace qx71
