#include "core/device/CUSBDriver.h"

#include "core/common/IClock.h"
#include "core/device/DeviceFormats.h"
#include "core/device/HidInterfaceProbe.h"
#include "core/device/MacroStream.h"
#include "core/macro/MacroRecord.h"

#include <algorithm>
#include <cstring>

namespace qx71 {

namespace {

constexpr uint8_t kSubCommand = 0x01;
// Fixed bytes of the DPI table header.
constexpr uint8_t kDpiHeaderA = 0x05;
constexpr uint8_t kDpiHeaderB = 0x10;
constexpr uint8_t kMaxMacroSlot = 7;

// Length bytes of the two block commands, exactly as the mouse expects them: 512 is sent
// little-endian (00 02) but 64 as 00 40.
constexpr uint8_t kButtonTableLength[] = {0x00, 0x40};
constexpr uint8_t kMacroStreamLength[] = {0x00, 0x02};

// Report intervals the mouse accepts; anything else is sent as 2 (500 reports a second).
uint8_t NormaliseReportRate(uint8_t rate)
{
    return (rate == 1 || rate == 2 || rate == 4 || rate == 8) ? rate : 2;
}

} // namespace

uint16_t ParseHexId(const std::string& text)
{
    uint32_t value = 0;
    for (char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            break;
        }
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return static_cast<uint16_t>(value);
}

UsbIdentity UpdateModeIdentity()
{
    return UsbIdentity{QX71_UPDATE_VENDOR_ID_TEXT, QX71_UPDATE_PRODUCT_ID_TEXT};
}

CUSBDriver::CUSBDriver(IHidPlatform& platform, IClock& clock, UsbIdentity identity)
    : platform_(platform), clock_(clock), identity_(std::move(identity))
{
}

CUSBDriver::~CUSBDriver()
{
    CloseDevice();
}

bool CUSBDriver::InitLink()
{
    return platform_.Init();
}

bool CUSBDriver::IsOpen() const
{
    std::lock_guard lock(handleMutex_);
    return readHandle_ != kInvalidHidHandle && writeHandle_ != kInvalidHidHandle;
}

void CUSBDriver::CloseDevice()
{
    std::lock_guard lock(handleMutex_);
    CloseHandlesLocked();
}

void CUSBDriver::CloseHandlesLocked()
{
    if (writeHandle_ != kInvalidHidHandle) {
        platform_.Close(writeHandle_);
        writeHandle_ = kInvalidHidHandle;
    }
    if (readHandle_ != kInvalidHidHandle) {
        platform_.Close(readHandle_);
        readHandle_ = kInvalidHidHandle;
    }
}

bool CUSBDriver::OpenDevice()
{
    std::lock_guard command(commandMutex_);
    {
        std::lock_guard lock(handleMutex_);
        CloseHandlesLocked();
    }
    vendorId_ = ParseHexId(identity_.vendorIdText);
    productId_ = ParseHexId(identity_.productIdText);
    replyBuffer_.fill(0);

    for (const std::string& path : platform_.EnumerateInterfaces()) {
        if (ProbeInterface(path)) {
            break;
        }
    }
    return IsOpen();
}

// The walk's tests for one interface; true when it passed them all and both handles are open.
bool CUSBDriver::ProbeInterface(const std::string& path)
{
    const HidInterfaceProbe probe = ProbeHidInterface(platform_, path, vendorId_, productId_);
    if (probe.verdict != ProbeVerdict::VendorInterface) {
        return false;
    }
    reportLength_ = probe.vendorCaps.reportCount;
    reportId_ = probe.vendorCaps.reportId;

    const HidHandle read = platform_.Open(path, HidAccess::Read);
    const HidHandle write = platform_.Open(path, HidAccess::Write);
    if (read == kInvalidHidHandle || write == kInvalidHidHandle) {
        if (read != kInvalidHidHandle) {
            platform_.Close(read);
        }
        if (write != kInvalidHidHandle) {
            platform_.Close(write);
        }
        return false;
    }
    std::lock_guard lock(handleMutex_);
    readHandle_ = read;
    writeHandle_ = write;
    return true;
}

bool CUSBDriver::SendFeature()
{
    featureBuffer_[0] = static_cast<uint8_t>(reportId_);
    std::lock_guard lock(handleMutex_);
    if (writeHandle_ == kInvalidHidHandle) {
        return false;
    }
    return platform_.SetFeature(writeHandle_, featureBuffer_.data(),
                                static_cast<size_t>(reportLength_) + 1);
}

bool CUSBDriver::ReadBack()
{
    replyBuffer_.fill(0);
    replyBuffer_[0] = static_cast<uint8_t>(reportId_);
    std::lock_guard lock(handleMutex_);
    if (readHandle_ == kInvalidHidHandle) {
        return false;
    }
    return platform_.GetFeature(readHandle_, replyBuffer_.data(),
                                static_cast<size_t>(reportLength_) + 1);
}

bool CUSBDriver::SendCommand(std::initializer_list<uint8_t> payload)
{
    featureBuffer_.fill(0);
    std::copy(payload.begin(), payload.end(), featureBuffer_.begin() + 1);
    return SendFeature();
}

bool CUSBDriver::WriteOutputReport(const uint8_t* report)
{
    HidHandle handle = kInvalidHidHandle;
    HidWriteResult result = HidWriteResult::Failed;
    {
        std::lock_guard lock(handleMutex_);
        if (writeHandle_ == kInvalidHidHandle) {
            return false;
        }
        handle = writeHandle_;
        result = platform_.WriteOutput(handle, report, kOutputReportSize);
    }
    clock_.SleepMs(DevicePacing::kAfterOutputReport);
    if (result == HidWriteResult::Pending) {
        // The block counts as sent whether or not the completion comes in time.
        std::lock_guard lock(handleMutex_);
        if (writeHandle_ == handle) {
            platform_.WaitWriteCompletion(handle, DevicePacing::kPendingWriteLimit);
        }
    }
    // A write the platform refused at once did not reach the mouse: the caller must know.
    return result != HidWriteResult::Failed;
}

bool CUSBDriver::WriteBlocks(const uint8_t* data, size_t length)
{
    std::lock_guard command(commandMutex_);
    return WriteBlocksLocked(data, length);
}

bool CUSBDriver::WriteBlocksLocked(const uint8_t* data, size_t length)
{
    if (data == nullptr || length % kBlockSize != 0) {
        return false;
    }
    std::array<uint8_t, kOutputReportSize> report{};
    for (size_t offset = 0; offset < length; offset += kBlockSize) {
        report[0] = static_cast<uint8_t>(reportId_);
        std::memcpy(report.data() + 1, data + offset, kBlockSize);
        clock_.SleepMs(DevicePacing::kBeforeOutputReport);
        if (!WriteOutputReport(report.data())) {
            return false;
        }
    }
    return true;
}

bool CUSBDriver::ReadFirmwareVersion(int& version)
{
    std::lock_guard command(commandMutex_);
    if (!SendCommand({static_cast<uint8_t>(DeviceCommand::FirmwareVersion)})) {
        return false;
    }
    clock_.SleepMs(DevicePacing::kQueryToReply);
    if (!ReadBack()) {
        return false;
    }
    if (replyBuffer_[1] != static_cast<uint8_t>(DeviceCommand::FirmwareVersion)) {
        return false;
    }
    // Bytes 2 and 3 are the tens and the units of the version number.
    version = replyBuffer_[2] * 10 + replyBuffer_[3];
    return true;
}

bool CUSBDriver::SetReportRate(uint8_t rate)
{
    std::lock_guard command(commandMutex_);
    return SendCommand(
        {static_cast<uint8_t>(DeviceCommand::ReportRate), NormaliseReportRate(rate)});
}

bool CUSBDriver::SetDpiStage(uint8_t value)
{
    std::lock_guard command(commandMutex_);
    return SendCommand({static_cast<uint8_t>(DeviceCommand::DpiStage), kSubCommand, value});
}

bool CUSBDriver::SetLedColor(uint32_t colour)
{
    const auto red = static_cast<uint8_t>(colour);
    const auto green = static_cast<uint8_t>(colour >> 8);
    const auto blue = static_cast<uint8_t>(colour >> 16);
    std::lock_guard command(commandMutex_);
    return SendCommand(
        {static_cast<uint8_t>(DeviceCommand::LedColor), kSubCommand, green, red, blue});
}

bool CUSBDriver::SetLedEffect(uint8_t a, uint8_t b, uint8_t c)
{
    std::lock_guard command(commandMutex_);
    return SendCommand({static_cast<uint8_t>(DeviceCommand::LedEffect), kSubCommand, a, b, c});
}

bool CUSBDriver::WriteDpiTable(const uint8_t* table, size_t length)
{
    if (table == nullptr || length != kDpiTableBytes) {
        return false;
    }
    std::lock_guard command(commandMutex_);
    if (!SendCommand({static_cast<uint8_t>(DeviceCommand::DpiTable), kSubCommand, kDpiHeaderA,
                      kDpiHeaderB})) {
        return false;
    }
    clock_.SleepMs(DevicePacing::kHeaderToDpiData);
    featureBuffer_.fill(0);
    featureBuffer_[0] = static_cast<uint8_t>(reportId_);
    std::memcpy(featureBuffer_.data() + 1, table, kDpiTableBytes);
    return WriteOutputReport(featureBuffer_.data());
}

bool CUSBDriver::WriteButtonTable(const uint8_t* table, size_t length)
{
    if (table == nullptr || length != kButtonTableBytes) {
        return false;
    }
    std::lock_guard command(commandMutex_);
    if (!SendCommand({static_cast<uint8_t>(DeviceCommand::ButtonTable), kSubCommand,
                      kButtonTableLength[0], kButtonTableLength[1]})) {
        return false;
    }
    clock_.SleepMs(DevicePacing::kHeaderToBlocks);
    return WriteBlocksLocked(table, kButtonTableBytes);
}

int CUSBDriver::WriteMacroStream(uint32_t slot, const MacroRecord* macro)
{
    if (macro == nullptr) {
        return 0;
    }
    const MacroStream stream = EncodeMacroStream(*macro);
    if (slot > kMaxMacroSlot) {
        return stream.entries;
    }
    std::lock_guard command(commandMutex_);
    if (SendCommand({static_cast<uint8_t>(DeviceCommand::MacroStream), kSubCommand,
                     static_cast<uint8_t>(slot), kMacroStreamLength[0], kMacroStreamLength[1]})) {
        clock_.SleepMs(DevicePacing::kHeaderToBlocks);
        // The caller binds the button to the slot in any case; the send result is not reported.
        WriteBlocksLocked(stream.bytes.data(), kMacroStreamBytes);
    }
    return stream.entries;
}

} // namespace qx71
