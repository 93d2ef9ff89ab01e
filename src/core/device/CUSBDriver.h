#pragma once

#include "core/device/IHidPlatform.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

namespace qx71 {

class IClock;
struct MacroRecord;

// Identity of the mouse, from the build's configuration.
struct UsbIdentity {
    std::string vendorIdText = QX71_VENDOR_ID_TEXT;
    std::string productIdText = QX71_PRODUCT_ID_TEXT;
};
UsbIdentity UpdateModeIdentity();

// Waits the mouse needs, in milliseconds.
struct DevicePacing {
    static constexpr uint32_t kBeforeOutputReport = 50;
    static constexpr uint32_t kAfterOutputReport = 50;
    static constexpr uint32_t kPendingWriteLimit = 1500;
    static constexpr uint32_t kHeaderToBlocks = 100; // commands 0x12 and 0x13
    static constexpr uint32_t kHeaderToDpiData = 50; // command 0x11
    static constexpr uint32_t kQueryToReply = 50;    // command 0x80
};

// Command bytes of the mouse.
enum class DeviceCommand : uint8_t {
    ReportRate = 0x01,
    DpiStage = 0x0B,
    LedColor = 0x0C,
    LedEffect = 0x0D,
    DpiTable = 0x11,
    ButtonTable = 0x12,
    MacroStream = 0x13,
    FirmwareVersion = 0x80,
};

// The link to the mouse: finds its vendor HID collection and speaks its command set.
// Commands may run on a worker thread while another thread closes the link: every platform
// call and the close are serialised, so a command after a close fails cleanly.
class CUSBDriver {
public:
    static constexpr uint16_t kVendorUsagePage = 0xFF01;
    static constexpr uint16_t kVendorUsage = 0x22;
    static constexpr size_t kMaxValueCaps = 10;
    static constexpr size_t kBufferSize = 255;
    static constexpr size_t kOutputReportSize = 33;
    static constexpr size_t kBlockSize = 32;

    CUSBDriver(IHidPlatform& platform, IClock& clock, UsbIdentity identity = {});
    ~CUSBDriver();
    CUSBDriver(const CUSBDriver&) = delete;
    CUSBDriver& operator=(const CUSBDriver&) = delete;

    bool InitLink();
    bool OpenDevice();
    void CloseDevice();
    bool IsOpen() const;

    bool ReadFirmwareVersion(int& version);
    bool SetReportRate(uint8_t rate);
    bool SetDpiStage(uint8_t value);
    // `colour` in the 0x00BBGGRR layout.
    bool SetLedColor(uint32_t colour);
    bool SetLedEffect(uint8_t a, uint8_t b, uint8_t c);
    bool WriteDpiTable(const uint8_t* table, size_t length);
    bool WriteButtonTable(const uint8_t* table, size_t length);
    // Encodes the macro and sends it to macro slot `slot` (0..7; above 7 nothing is sent).
    // Returns the stream's entry count whether or not the send succeeded; 0 without a macro.
    int WriteMacroStream(uint32_t slot, const MacroRecord* macro);
    // Sends `length` bytes (a multiple of 32) as 33-byte output reports.
    bool WriteBlocks(const uint8_t* data, size_t length);

    uint16_t VendorId() const { return vendorId_; }
    uint16_t ProductId() const { return productId_; }
    uint8_t ReportId() const { return reportId_; }
    int ReportLength() const { return reportLength_; }

private:
    void CloseHandlesLocked();
    bool ProbeInterface(const std::string& path);
    // Fills the payload after zeroing featureBuffer and sends it.
    bool SendCommand(std::initializer_list<uint8_t> payload);
    bool SendFeature();
    bool ReadBack();
    // One 33-byte output report with the waits around it.
    bool WriteOutputReport(const uint8_t* report);
    bool WriteBlocksLocked(const uint8_t* data, size_t length);

    IHidPlatform& platform_;
    IClock& clock_;
    UsbIdentity identity_;
    uint16_t vendorId_ = 0;
    uint16_t productId_ = 0;
    uint32_t reportId_ = 0;
    int32_t reportLength_ = 0;
    HidHandle readHandle_ = kInvalidHidHandle;
    HidHandle writeHandle_ = kInvalidHidHandle;
    std::array<uint8_t, kBufferSize> featureBuffer_{};
    std::array<uint8_t, kBufferSize> replyBuffer_{};

    // One command (with its waits) at a time; guards the two buffers.
    std::recursive_mutex commandMutex_;
    // Guards the handles: held for each platform call, and by CloseDevice.
    mutable std::mutex handleMutex_;
};

// Parses four hexadecimal digits as "%X" would; 0 when the text holds none.
uint16_t ParseHexId(const std::string& text);

} // namespace qx71
