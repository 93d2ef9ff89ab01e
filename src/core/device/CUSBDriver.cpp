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
    std::lock_guard lock(linkMutex_);
    return readHandle_ != kInvalidHidHandle && writeHandle_ != kInvalidHidHandle;
}

uint8_t CUSBDriver::ReportId() const
{
    std::lock_guard lock(linkMutex_);
    return static_cast<uint8_t>(reportId_);
}

int CUSBDriver::ReportLength() const
{
    std::lock_guard lock(linkMutex_);
    return reportLength_;
}

void CUSBDriver::CloseDevice()
{
    std::lock_guard open(openMutex_);
    std::lock_guard lock(linkMutex_);
    CloseHandlesLocked();
}

void CUSBDriver::CancelCommands()
{
    std::lock_guard lock(linkMutex_);
    ++generation_;
}

void CUSBDriver::CloseHandlesLocked()
{
    ++generation_;
    if (writeHandle_ != kInvalidHidHandle) {
        platform_.Close(writeHandle_);
        writeHandle_ = kInvalidHidHandle;
    }
    if (readHandle_ != kInvalidHidHandle) {
        platform_.Close(readHandle_);
        readHandle_ = kInvalidHidHandle;
    }
}

CUSBDriver::Session CUSBDriver::BeginSession() const
{
    std::lock_guard lock(linkMutex_);
    return {generation_, static_cast<uint8_t>(reportId_), static_cast<size_t>(reportLength_) + 1};
}

bool CUSBDriver::Current(const Session& session) const
{
    std::lock_guard lock(linkMutex_);
    return session.generation == generation_ && writeHandle_ != kInvalidHidHandle;
}

bool CUSBDriver::Pace(const Session& session, uint32_t ms)
{
    if (!Current(session)) {
        return false;
    }
    clock_.SleepMs(ms);
    return true;
}

bool CUSBDriver::OpenDevice()
{
    // The walk opens and probes interfaces without holding the link: a sequence on the worker
    // fails at its next report (the close below ended its session) instead of holding the
    // window's thread up.
    std::lock_guard open(openMutex_);
    {
        std::lock_guard lock(linkMutex_);
        CloseHandlesLocked();
    }
    vendorId_ = ParseHexId(identity_.vendorIdText);
    productId_ = ParseHexId(identity_.productIdText);

    for (const std::string& path : platform_.EnumerateInterfaces()) {
        if (const auto found = ProbeInterface(path)) {
            std::lock_guard lock(linkMutex_);
            ++generation_;
            reportId_ = found->reportId;
            reportLength_ = found->reportLength;
            readHandle_ = found->read;
            writeHandle_ = found->write;
            return true;
        }
    }
    return false;
}

// The walk's tests for one interface; the interface's report and both handles when it passed
// them all.
std::optional<CUSBDriver::Probed> CUSBDriver::ProbeInterface(const std::string& path)
{
    const HidInterfaceProbe probe = ProbeHidInterface(platform_, path, vendorId_, productId_);
    if (probe.verdict != ProbeVerdict::VendorInterface) {
        return std::nullopt;
    }
    Probed found;
    found.reportLength = probe.vendorCaps.reportCount;
    found.reportId = static_cast<uint8_t>(probe.vendorCaps.reportId);
    found.read = platform_.Open(path, HidAccess::Read);
    found.write = platform_.Open(path, HidAccess::Write);
    if (found.read == kInvalidHidHandle || found.write == kInvalidHidHandle) {
        if (found.read != kInvalidHidHandle) {
            platform_.Close(found.read);
        }
        if (found.write != kInvalidHidHandle) {
            platform_.Close(found.write);
        }
        return std::nullopt;
    }
    return found;
}

bool CUSBDriver::SendFeature(const Session& session, uint8_t* buffer)
{
    buffer[0] = session.reportId;
    std::lock_guard lock(linkMutex_);
    if (session.generation != generation_ || writeHandle_ == kInvalidHidHandle) {
        return false;
    }
    return platform_.SetFeature(writeHandle_, buffer, session.featureLength);
}

bool CUSBDriver::SendCommand(const Session& session, std::initializer_list<uint8_t> payload)
{
    featureBuffer_.fill(0);
    std::copy(payload.begin(), payload.end(), featureBuffer_.begin() + 1);
    return SendFeature(session, featureBuffer_.data());
}

bool CUSBDriver::WriteOutputReport(const Session& session, uint8_t* report)
{
    report[0] = session.reportId;
    HidHandle handle = kInvalidHidHandle;
    HidWriteResult result = HidWriteResult::Failed;
    {
        std::lock_guard lock(linkMutex_);
        if (session.generation != generation_ || writeHandle_ == kInvalidHidHandle) {
            return false;
        }
        handle = writeHandle_;
        result = platform_.WriteOutput(handle, report, kOutputReportSize);
    }
    if (result == HidWriteResult::Failed) {
        // A write the platform refused at once did not reach the mouse: the caller must know.
        clock_.SleepMs(DevicePacing::kAfterOutputReport);
        return false;
    }
    if (!Pace(session, DevicePacing::kAfterOutputReport)) {
        return false;
    }
    if (result == HidWriteResult::Pending) {
        // The block counts as sent whether or not the completion comes in time. The wait holds
        // no lock and goes in steps, so a close or a cancel ends it early.
        for (uint32_t waited = 0; waited < DevicePacing::kPendingWriteLimit;
             waited += DevicePacing::kPendingWriteStep) {
            if (!Current(session)) {
                return false;
            }
            const uint32_t step = std::min(DevicePacing::kPendingWriteStep,
                                           DevicePacing::kPendingWriteLimit - waited);
            if (platform_.WaitWriteCompletion(handle, step)) {
                break;
            }
        }
    }
    return true;
}

bool CUSBDriver::WriteBlocks(const uint8_t* data, size_t length)
{
    std::lock_guard command(commandMutex_);
    return WriteBlocksLocked(BeginSession(), data, length);
}

bool CUSBDriver::WriteBlocksLocked(const Session& session, const uint8_t* data, size_t length)
{
    if (data == nullptr || length % kBlockSize != 0) {
        return false;
    }
    std::array<uint8_t, kOutputReportSize> report{};
    for (size_t offset = 0; offset < length; offset += kBlockSize) {
        std::memcpy(report.data() + 1, data + offset, kBlockSize);
        if (!Pace(session, DevicePacing::kBeforeOutputReport) ||
            !WriteOutputReport(session, report.data())) {
            return false;
        }
    }
    return true;
}

bool CUSBDriver::ReadFirmwareVersion(int& version)
{
    const std::optional<PendingQuery> query = SendFirmwareQuery();
    if (!query) {
        return false;
    }
    clock_.SleepMs(DevicePacing::kQueryToReply);
    return TakeFirmwareReply(*query, version);
}

// Called on the window's thread, possibly while a sequence runs on the worker: neither half
// waits for that sequence, and they use buffers of their own. A feature exchange between two
// output reports of a block transfer is harmless: reports of the two kinds travel apart.
std::optional<CUSBDriver::PendingQuery> CUSBDriver::SendFirmwareQuery()
{
    PendingQuery query;
    query.session_ = BeginSession();
    std::array<uint8_t, kBufferSize> request{};
    request[1] = static_cast<uint8_t>(DeviceCommand::FirmwareVersion);
    if (!SendFeature(query.session_, request.data())) {
        return std::nullopt;
    }
    return query;
}

bool CUSBDriver::TakeFirmwareReply(const PendingQuery& query, int& version)
{
    const Session& session = query.session_;
    std::array<uint8_t, kBufferSize> reply{};
    reply[0] = session.reportId;
    {
        std::lock_guard lock(linkMutex_);
        if (session.generation != generation_ || readHandle_ == kInvalidHidHandle) {
            return false;
        }
        if (!platform_.GetFeature(readHandle_, reply.data(), session.featureLength)) {
            return false;
        }
    }
    if (reply[1] != static_cast<uint8_t>(DeviceCommand::FirmwareVersion)) {
        return false;
    }
    // Bytes 2 and 3 are the tens and the units of the version number.
    version = reply[2] * 10 + reply[3];
    return true;
}

bool CUSBDriver::SetReportRate(uint8_t rate)
{
    std::lock_guard command(commandMutex_);
    return SendCommand(BeginSession(), {static_cast<uint8_t>(DeviceCommand::ReportRate),
                                        NormaliseReportRate(rate)});
}

bool CUSBDriver::SetDpiStage(uint8_t value)
{
    std::lock_guard command(commandMutex_);
    return SendCommand(BeginSession(),
                       {static_cast<uint8_t>(DeviceCommand::DpiStage), kSubCommand, value});
}

bool CUSBDriver::SetLedColor(uint32_t colour)
{
    const auto red = static_cast<uint8_t>(colour);
    const auto green = static_cast<uint8_t>(colour >> 8);
    const auto blue = static_cast<uint8_t>(colour >> 16);
    std::lock_guard command(commandMutex_);
    return SendCommand(BeginSession(), {static_cast<uint8_t>(DeviceCommand::LedColor), kSubCommand,
                                        green, red, blue});
}

bool CUSBDriver::SetLedEffect(uint8_t a, uint8_t b, uint8_t c)
{
    std::lock_guard command(commandMutex_);
    return SendCommand(BeginSession(),
                       {static_cast<uint8_t>(DeviceCommand::LedEffect), kSubCommand, a, b, c});
}

bool CUSBDriver::WriteDpiTable(const uint8_t* table, size_t length)
{
    if (table == nullptr || length != kDpiTableBytes) {
        return false;
    }
    std::lock_guard command(commandMutex_);
    const Session session = BeginSession();
    if (!SendCommand(session, {static_cast<uint8_t>(DeviceCommand::DpiTable), kSubCommand,
                               kDpiHeaderA, kDpiHeaderB})) {
        return false;
    }
    if (!Pace(session, DevicePacing::kHeaderToDpiData)) {
        return false;
    }
    featureBuffer_.fill(0);
    std::memcpy(featureBuffer_.data() + 1, table, kDpiTableBytes);
    return WriteOutputReport(session, featureBuffer_.data());
}

bool CUSBDriver::WriteButtonTable(const uint8_t* table, size_t length)
{
    if (table == nullptr || length != kButtonTableBytes) {
        return false;
    }
    std::lock_guard command(commandMutex_);
    const Session session = BeginSession();
    if (!SendCommand(session, {static_cast<uint8_t>(DeviceCommand::ButtonTable), kSubCommand,
                               kButtonTableLength[0], kButtonTableLength[1]})) {
        return false;
    }
    if (!Pace(session, DevicePacing::kHeaderToBlocks)) {
        return false;
    }
    return WriteBlocksLocked(session, table, kButtonTableBytes);
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
    const Session session = BeginSession();
    if (SendCommand(session,
                    {static_cast<uint8_t>(DeviceCommand::MacroStream), kSubCommand,
                     static_cast<uint8_t>(slot), kMacroStreamLength[0], kMacroStreamLength[1]}) &&
        Pace(session, DevicePacing::kHeaderToBlocks)) {
        // The caller binds the button to the slot in any case; the send result is not reported.
        WriteBlocksLocked(session, stream.bytes.data(), kMacroStreamBytes);
    }
    return stream.entries;
}

} // namespace qx71
