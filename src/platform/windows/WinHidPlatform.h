#pragma once

#include "core/device/IHidPlatform.h"

#include <map>
#include <memory>
#include <mutex>

namespace qx71 {

// The HID operations over the system's own HID stack: SetupDi over the HID interface class for
// the walk, CreateFileW for the handles, HidD/HidP for attributes and capabilities, feature
// reports through HidD_SetFeature/HidD_GetFeature, and output reports with an overlapped
// WriteFile whose completion is the event "WriteDataOverLappedEvent".
//
// Handles are the system's file handles. A Write handle owns the overlapped record and a copy
// of the report in flight, so a pending write never reads memory its caller has let go; a
// write still pending when its wait ends is cancelled before the record is used again.
class WinHidPlatform final : public IHidPlatform {
public:
    static constexpr const wchar_t* kWriteEventName = L"WriteDataOverLappedEvent";

    WinHidPlatform();
    ~WinHidPlatform() override;
    WinHidPlatform(const WinHidPlatform&) = delete;
    WinHidPlatform& operator=(const WinHidPlatform&) = delete;

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
    struct PendingWrite;

    std::mutex mutex_;
    std::map<HidHandle, std::unique_ptr<PendingWrite>> writers_;
};

} // namespace qx71
