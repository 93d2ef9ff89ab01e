#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

// A handle of an opened HID interface; kInvalidHidHandle when closed.
using HidHandle = int64_t;
inline constexpr HidHandle kInvalidHidHandle = -1;

enum class HidAccess {
    Probe, // no access rights: attributes and capabilities only
    Read,
    Write,
};

// One feature value capability of an interface's report descriptor.
struct HidValueCaps {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint8_t reportId = 0;
    uint16_t reportCount = 0;
};

// Usage page and usage of an interface's top-level collection (what HidP_GetCaps reports).
struct HidUsage {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    friend bool operator==(const HidUsage&, const HidUsage&) = default;
};

enum class HidWriteResult {
    Done,    // the report went out
    Pending, // the write is in progress; WaitWriteCompletion tells when it ends
    Failed,  // the platform refused the write at once
};

// The HID operations the link needs of the operating system. Implemented over hidapi on a
// real system and by the simulated mouse in tests and `--simulate`.
class IHidPlatform {
public:
    virtual ~IHidPlatform() = default;

    // Initialises the HID library; false when it is not usable.
    virtual bool Init() = 0;
    // Device paths of the HID interfaces present now, in the platform's order.
    virtual std::vector<std::string> EnumerateInterfaces() = 0;
    virtual HidHandle Open(const std::string& path, HidAccess access) = 0;
    virtual void Close(HidHandle handle) = 0;
    // Vendor and product identifiers of an opened interface.
    virtual bool GetAttributes(HidHandle handle, uint16_t& vendorId, uint16_t& productId) = 0;
    // Usage page and usage of the interface's first top-level collection; nullopt when the
    // platform cannot tell. Used to describe interfaces, never to choose the mouse's.
    virtual std::optional<HidUsage> GetTopLevelUsage(HidHandle /*handle*/) { return std::nullopt; }
    // Number of feature value capabilities; nullopt when the capabilities cannot be read.
    virtual std::optional<size_t> GetFeatureValueCapsCount(HidHandle handle) = 0;
    // At most `maxCount` feature value capabilities in descriptor order; nullopt on failure.
    virtual std::optional<std::vector<HidValueCaps>> GetFeatureValueCaps(HidHandle handle,
                                                                         size_t maxCount) = 0;
    // Sends / fetches one feature report; byte 0 is the report ID.
    virtual bool SetFeature(HidHandle handle, const uint8_t* data, size_t length) = 0;
    virtual bool GetFeature(HidHandle handle, uint8_t* data, size_t length) = 0;
    // Writes one output report; byte 0 is the report ID.
    virtual HidWriteResult WriteOutput(HidHandle handle, const uint8_t* data, size_t length) = 0;
    // After a Pending write: waits at most `timeoutMs` for it to end and resets the
    // completion event. True when it ended in time.
    virtual bool WaitWriteCompletion(HidHandle handle, uint32_t timeoutMs) = 0;
};

} // namespace qx71
