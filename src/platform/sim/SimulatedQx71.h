#pragma once

#include "core/device/IHidPlatform.h"

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

class IClock;

// A virtual QX71 behind the HID operations: three interfaces (another device, the mouse's
// boot interface and its vendor interface), every command decoded into the mouse's state,
// and faults on demand.
class SimulatedQx71 final : public IHidPlatform {
public:
    static constexpr uint8_t kReportId = 0x02;
    static constexpr uint16_t kReportCount = 64;
    static constexpr uint16_t kOtherVendorId = 0x046D;
    static constexpr uint16_t kOtherProductId = 0xC077;
    static constexpr const char* kOtherPath = "sim:other-device";
    static constexpr const char* kBootPath = "sim:qx71-boot";
    static constexpr const char* kVendorPath = "sim:qx71-vendor";
    static constexpr int kDefaultFirmwareVersion = 13;
    static constexpr size_t kMacroSlots = 8;
    static constexpr size_t kMacroSlotBytes = 512;

    struct State {
        std::array<uint8_t, 64> buttonTable{};
        std::array<uint8_t, 16> dpiTable{};
        uint8_t dpiStage = 0;
        uint8_t ledGreen = 0, ledRed = 0, ledBlue = 0;
        std::array<uint8_t, 3> ledEffect{};
        uint8_t reportRate = 0;
        std::array<std::array<uint8_t, kMacroSlotBytes>, kMacroSlots> macroSlots{};
        int firmwareVersion = kDefaultFirmwareVersion;
    };

    // The clock pays for the waits of writes whose completion never comes.
    explicit SimulatedQx71(IClock& clock, uint16_t vendorId = 0, uint16_t productId = 0);

    // Faults.
    // The mouse disappears after `reports` more reports (feature or output) have reached it.
    void UnplugAfterReports(int reports);
    void Unplug();
    void Plug();
    // The next `count` enumerations do not list the mouse, as while it is still coming up
    // after a plug-in; it shows from the one after.
    void HideFromEnumerations(int count);
    // Feature reports of this command fail (the platform refuses them).
    void FailCommand(uint8_t command);
    // Output reports stay pending and their completion never comes.
    void SetWritesNeverComplete(bool on);
    // Output reports are refused at once.
    void SetOutputWritesFail(bool on);
    void SetFirmwareVersion(int version);
    // The vendor interface is plugged in but refuses to open for reading or writing, as a node
    // without the user's permission does.
    void SetVendorAccessDenied(bool on);
    bool VendorAccessDenied() const;
    // The HID library does not start: the window shows without a link to the mouse.
    void SetInitFails(bool on);

    State GetState() const;
    bool Present() const;

    // IHidPlatform
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

    // Handles that are open now (tests check that probes are closed again).
    size_t OpenHandleCount() const;

private:
    struct Interface {
        std::string path;
        uint16_t vendorId;
        uint16_t productId;
        HidUsage usage;
        std::vector<HidValueCaps> featureCaps;
    };
    struct OpenInterface {
        const Interface* iface;
        HidAccess access;
    };
    // Where the data of the last block command goes.
    struct Transfer {
        enum class Target { None, DpiTable, ButtonTable, MacroSlot } target = Target::None;
        size_t slot = 0;
        size_t expected = 0;
        std::vector<uint8_t> data;
    };

    const OpenInterface* Find(HidHandle handle) const;
    bool IsVendor(const OpenInterface* open) const;
    // Counts one report towards a pending unplug; false when the mouse is gone.
    bool ReachMouse();
    void Decode(const uint8_t* payload);
    void Receive(const uint8_t* block);

    IClock& clock_;
    mutable std::mutex mutex_;
    std::vector<Interface> interfaces_;
    std::map<HidHandle, OpenInterface> open_;
    HidHandle nextHandle_ = 1;
    bool present_ = true;
    int unplugCountdown_ = -1;
    int hiddenEnumerations_ = 0;
    std::vector<uint8_t> failingCommands_;
    bool writesNeverComplete_ = false;
    bool outputWritesFail_ = false;
    bool vendorDenied_ = false;
    bool initFails_ = false;
    std::array<uint8_t, 3> versionReply_{};
    bool versionQueried_ = false;
    Transfer transfer_;
    State state_;
};

} // namespace qx71
