#pragma once

#include "core/device/IHidPlatform.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
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
    // The pending wait is taken in steps of this, so that a cancelled command stops waiting.
    static constexpr uint32_t kPendingWriteStep = 100;
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
//
// Threads: the command sequences (buttons, lighting, DPI, macros) run on a worker thread, one
// at a time. The window's thread opens and closes the link and reads the firmware version;
// these never wait for a running sequence's pacing or for a pending write, only for a single
// platform call in progress. Closing or opening the link, or CancelCommands, makes a
// sequence that runs meanwhile fail at its next report: it never continues on a link that was
// opened again.
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
    // Makes the sequences that run now fail at their next report or pacing wait; later ones
    // run normally.
    void CancelCommands();

    // The version query in one call, waiting kQueryToReply for the answer (the command line).
    bool ReadFirmwareVersion(int& version);
    // The same in two halves, for a thread that must not wait: send the query, then take the
    // reply kQueryToReply later. The reply fails when the link was closed or opened between.
    class PendingQuery;
    std::optional<PendingQuery> SendFirmwareQuery();
    bool TakeFirmwareReply(const PendingQuery& query, int& version);
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
    uint8_t ReportId() const;
    int ReportLength() const;

private:
    // The link's state at the start of a sequence: its commands go to these handles only as
    // long as the link was not closed, opened or cancelled since.
    struct Session {
        uint64_t generation = 0;
        uint8_t reportId = 0;
        size_t featureLength = 0;
    };
    Session BeginSession() const;

public:
    class PendingQuery {
        friend class CUSBDriver;
        Session session_;
    };

private:
    bool Current(const Session& session) const;
    // Sleeps unless the session is over; false when it is.
    bool Pace(const Session& session, uint32_t ms);
    void CloseHandlesLocked();
    struct Probed {
        uint8_t reportId = 0;
        int32_t reportLength = 0;
        HidHandle read = kInvalidHidHandle;
        HidHandle write = kInvalidHidHandle;
    };
    std::optional<Probed> ProbeInterface(const std::string& path);
    // Fills the payload after zeroing featureBuffer and sends it.
    bool SendCommand(const Session& session, std::initializer_list<uint8_t> payload);
    bool SendFeature(const Session& session, uint8_t* buffer);
    // One 33-byte output report with the waits around it.
    bool WriteOutputReport(const Session& session, uint8_t* report);
    bool WriteBlocksLocked(const Session& session, const uint8_t* data, size_t length);

    IHidPlatform& platform_;
    IClock& clock_;
    UsbIdentity identity_;
    uint16_t vendorId_ = 0;
    uint16_t productId_ = 0;
    std::array<uint8_t, kBufferSize> featureBuffer_{};

    // One command sequence (with its waits) at a time; guards featureBuffer_. Only the
    // worker's sequences take it.
    std::mutex commandMutex_;
    // One open or close at a time (the window's thread).
    std::mutex openMutex_;
    // Guards the fields below: held for one platform call at a time, never across a wait.
    mutable std::mutex linkMutex_;
    uint64_t generation_ = 0;
    uint32_t reportId_ = 0;
    int32_t reportLength_ = 0;
    HidHandle readHandle_ = kInvalidHidHandle;
    HidHandle writeHandle_ = kInvalidHidHandle;
};

// Parses four hexadecimal digits as "%X" would; 0 when the text holds none.
uint16_t ParseHexId(const std::string& text);

} // namespace qx71
