#include "platform/sim/SimulatedQx71.h"

#include "core/common/IClock.h"
#include "core/device/CUSBDriver.h"

#include <algorithm>
#include <cstring>

namespace qx71 {

namespace {

constexpr size_t kFeatureLength = SimulatedQx71::kReportCount + 1;
constexpr size_t kOutputLength = CUSBDriver::kOutputReportSize;
constexpr size_t kBlock = CUSBDriver::kBlockSize;
constexpr uint16_t kConsumerPage = 0x000C;
// Top-level collections: a pointer device for the other mouse and the boot interface, the
// vendor page for the interface that takes the commands.
constexpr HidUsage kMouseCollection{0x0001, 0x0002};
constexpr HidUsage kVendorCollection{CUSBDriver::kVendorUsagePage, 0x0001};

} // namespace

SimulatedQx71::SimulatedQx71(IClock& clock, uint16_t vendorId, uint16_t productId) : clock_(clock)
{
    const UsbIdentity identity;
    const uint16_t vid = vendorId != 0 ? vendorId : ParseHexId(identity.vendorIdText);
    const uint16_t pid = productId != 0 ? productId : ParseHexId(identity.productIdText);
    interfaces_ = {
        {kOtherPath,
         kOtherVendorId,
         kOtherProductId,
         kMouseCollection,
         {{CUSBDriver::kVendorUsagePage, CUSBDriver::kVendorUsage, kReportId, kReportCount}}},
        // The boot interface has a feature capability, but not the vendor one.
        {kBootPath, vid, pid, kMouseCollection, {{kConsumerPage, 0x01, 0x03, 2}}},
        {kVendorPath,
         vid,
         pid,
         kVendorCollection,
         {{kConsumerPage, 0x01, 0x03, 2},
          {CUSBDriver::kVendorUsagePage, CUSBDriver::kVendorUsage, kReportId, kReportCount}}},
    };
    state_.firmwareVersion = kDefaultFirmwareVersion;
}

void SimulatedQx71::UnplugAfterReports(int reports)
{
    std::lock_guard lock(mutex_);
    unplugCountdown_ = reports;
}

void SimulatedQx71::Unplug()
{
    std::lock_guard lock(mutex_);
    present_ = false;
}

void SimulatedQx71::Plug()
{
    std::lock_guard lock(mutex_);
    present_ = true;
    unplugCountdown_ = -1;
}

void SimulatedQx71::HideFromEnumerations(int count)
{
    std::lock_guard lock(mutex_);
    hiddenEnumerations_ = count;
}

void SimulatedQx71::FailCommand(uint8_t command)
{
    std::lock_guard lock(mutex_);
    failingCommands_.push_back(command);
}

void SimulatedQx71::SetWritesNeverComplete(bool on)
{
    std::lock_guard lock(mutex_);
    writesNeverComplete_ = on;
}

void SimulatedQx71::SetOutputWritesFail(bool on)
{
    std::lock_guard lock(mutex_);
    outputWritesFail_ = on;
}

void SimulatedQx71::SetFirmwareVersion(int version)
{
    std::lock_guard lock(mutex_);
    state_.firmwareVersion = version;
}

SimulatedQx71::State SimulatedQx71::GetState() const
{
    std::lock_guard lock(mutex_);
    return state_;
}

bool SimulatedQx71::Present() const
{
    std::lock_guard lock(mutex_);
    return present_;
}

size_t SimulatedQx71::OpenHandleCount() const
{
    std::lock_guard lock(mutex_);
    return open_.size();
}

void SimulatedQx71::SetInitFails(bool on)
{
    std::lock_guard lock(mutex_);
    initFails_ = on;
}

bool SimulatedQx71::Init()
{
    std::lock_guard lock(mutex_);
    return !initFails_;
}

std::vector<std::string> SimulatedQx71::EnumerateInterfaces()
{
    std::lock_guard lock(mutex_);
    const bool listed = present_ && hiddenEnumerations_ == 0;
    if (hiddenEnumerations_ > 0) {
        --hiddenEnumerations_;
    }
    std::vector<std::string> paths;
    for (const auto& iface : interfaces_) {
        if (listed || iface.path == kOtherPath) {
            paths.push_back(iface.path);
        }
    }
    return paths;
}

void SimulatedQx71::SetVendorAccessDenied(bool on)
{
    std::lock_guard lock(mutex_);
    vendorDenied_ = on;
}

bool SimulatedQx71::VendorAccessDenied() const
{
    std::lock_guard lock(mutex_);
    return vendorDenied_;
}

HidHandle SimulatedQx71::Open(const std::string& path, HidAccess access)
{
    std::lock_guard lock(mutex_);
    for (const auto& iface : interfaces_) {
        if (iface.path == path && (present_ || iface.path == kOtherPath)) {
            if (vendorDenied_ && iface.path == kVendorPath && access != HidAccess::Probe) {
                return kInvalidHidHandle;
            }
            const HidHandle handle = nextHandle_++;
            open_[handle] = OpenInterface{&iface, access};
            return handle;
        }
    }
    return kInvalidHidHandle;
}

void SimulatedQx71::Close(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    open_.erase(handle);
}

const SimulatedQx71::OpenInterface* SimulatedQx71::Find(HidHandle handle) const
{
    const auto it = open_.find(handle);
    return it == open_.end() ? nullptr : &it->second;
}

bool SimulatedQx71::IsVendor(const OpenInterface* open) const
{
    return open != nullptr && open->iface->path == kVendorPath;
}

bool SimulatedQx71::GetAttributes(HidHandle handle, uint16_t& vendorId, uint16_t& productId)
{
    std::lock_guard lock(mutex_);
    const auto* open = Find(handle);
    if (open == nullptr) {
        return false;
    }
    vendorId = open->iface->vendorId;
    productId = open->iface->productId;
    return true;
}

std::optional<HidUsage> SimulatedQx71::GetTopLevelUsage(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    const auto* open = Find(handle);
    if (open == nullptr) {
        return std::nullopt;
    }
    return open->iface->usage;
}

std::optional<size_t> SimulatedQx71::GetFeatureValueCapsCount(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    const auto* open = Find(handle);
    if (open == nullptr) {
        return std::nullopt;
    }
    return open->iface->featureCaps.size();
}

std::optional<std::vector<HidValueCaps>> SimulatedQx71::GetFeatureValueCaps(HidHandle handle,
                                                                            size_t maxCount)
{
    std::lock_guard lock(mutex_);
    const auto* open = Find(handle);
    if (open == nullptr) {
        return std::nullopt;
    }
    const auto& caps = open->iface->featureCaps;
    return std::vector<HidValueCaps>(
        caps.begin(), caps.begin() + static_cast<long>(std::min(maxCount, caps.size())));
}

bool SimulatedQx71::ReachMouse()
{
    if (!present_) {
        return false;
    }
    if (unplugCountdown_ == 0) {
        present_ = false;
        return false;
    }
    if (unplugCountdown_ > 0) {
        --unplugCountdown_;
    }
    return true;
}

bool SimulatedQx71::SetFeature(HidHandle handle, const uint8_t* data, size_t length)
{
    std::lock_guard lock(mutex_);
    const auto* open = Find(handle);
    if (!IsVendor(open) || open->access != HidAccess::Write || length != kFeatureLength ||
        data[0] != kReportId || !ReachMouse()) {
        return false;
    }
    if (std::find(failingCommands_.begin(), failingCommands_.end(), data[1]) !=
        failingCommands_.end()) {
        return false;
    }
    Decode(data + 1);
    return true;
}

void SimulatedQx71::Decode(const uint8_t* p)
{
    switch (static_cast<DeviceCommand>(p[0])) {
    case DeviceCommand::FirmwareVersion:
        versionQueried_ = true;
        versionReply_ = {0x80, static_cast<uint8_t>(state_.firmwareVersion / 10),
                         static_cast<uint8_t>(state_.firmwareVersion % 10)};
        break;
    case DeviceCommand::ReportRate:
        state_.reportRate = p[1];
        break;
    case DeviceCommand::DpiStage:
        state_.dpiStage = p[2];
        break;
    case DeviceCommand::LedColor:
        state_.ledGreen = p[2];
        state_.ledRed = p[3];
        state_.ledBlue = p[4];
        break;
    case DeviceCommand::LedEffect:
        state_.ledEffect = {p[2], p[3], p[4]};
        break;
    case DeviceCommand::DpiTable:
        transfer_ = {Transfer::Target::DpiTable, 0, kBlock, {}};
        break;
    case DeviceCommand::ButtonTable:
        transfer_ = {Transfer::Target::ButtonTable, 0, state_.buttonTable.size(), {}};
        break;
    case DeviceCommand::MacroStream:
        transfer_ = {p[2] < kMacroSlots ? Transfer::Target::MacroSlot : Transfer::Target::None,
                     p[2],
                     kMacroSlotBytes,
                     {}};
        break;
    }
}

bool SimulatedQx71::GetFeature(HidHandle handle, uint8_t* data, size_t length)
{
    std::lock_guard lock(mutex_);
    const auto* open = Find(handle);
    if (!IsVendor(open) || open->access != HidAccess::Read || length != kFeatureLength ||
        data[0] != kReportId || !ReachMouse()) {
        return false;
    }
    std::memset(data + 1, 0, length - 1);
    if (versionQueried_) {
        std::memcpy(data + 1, versionReply_.data(), versionReply_.size());
        versionQueried_ = false;
    }
    return true;
}

HidWriteResult SimulatedQx71::WriteOutput(HidHandle handle, const uint8_t* data, size_t length)
{
    std::lock_guard lock(mutex_);
    const auto* open = Find(handle);
    if (!IsVendor(open) || open->access != HidAccess::Write || length != kOutputLength ||
        data[0] != kReportId || outputWritesFail_ || !ReachMouse()) {
        return HidWriteResult::Failed;
    }
    Receive(data + 1);
    return writesNeverComplete_ ? HidWriteResult::Pending : HidWriteResult::Done;
}

void SimulatedQx71::Receive(const uint8_t* block)
{
    if (transfer_.target == Transfer::Target::None) {
        return;
    }
    const size_t take = std::min(kBlock, transfer_.expected - transfer_.data.size());
    transfer_.data.insert(transfer_.data.end(), block, block + take);
    if (transfer_.data.size() < transfer_.expected) {
        return;
    }
    switch (transfer_.target) {
    case Transfer::Target::DpiTable:
        std::copy_n(transfer_.data.begin(), state_.dpiTable.size(), state_.dpiTable.begin());
        break;
    case Transfer::Target::ButtonTable:
        std::copy_n(transfer_.data.begin(), state_.buttonTable.size(), state_.buttonTable.begin());
        break;
    case Transfer::Target::MacroSlot:
        std::copy_n(transfer_.data.begin(), kMacroSlotBytes,
                    state_.macroSlots[transfer_.slot].begin());
        break;
    case Transfer::Target::None:
        break;
    }
    transfer_ = {};
}

bool SimulatedQx71::WaitWriteCompletion(HidHandle handle, uint32_t timeoutMs)
{
    bool never = false;
    {
        std::lock_guard lock(mutex_);
        if (Find(handle) == nullptr) {
            return false;
        }
        never = writesNeverComplete_;
    }
    if (never) {
        clock_.SleepMs(timeoutMs);
        return false;
    }
    return true;
}

} // namespace qx71
