#include "platform/windows/WinHidPlatform.h"

#include "platform/windows/WideText.h"

#include <windows.h>

#include <setupapi.h>

// MinGW-w64's HID headers declare the functions without C linkage. hidsdi.h brings hidusage.h
// and hidpi.h, in the order they need.
extern "C" {
#include <hidsdi.h>
}

#include <cstring>

namespace qx71 {

namespace {

constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;
// HidP_GetCaps and HidP_GetSpecificValueCaps report success with this status.
constexpr NTSTATUS kHidpSuccess = HIDP_STATUS_SUCCESS;

HANDLE ToSystem(HidHandle handle)
{
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle));
}

HidHandle FromSystem(HANDLE handle)
{
    return static_cast<HidHandle>(reinterpret_cast<intptr_t>(handle));
}

// The preparsed data of an opened interface, released at the end of its scope.
class PreparsedData {
public:
    explicit PreparsedData(HANDLE device)
    {
        if (::HidD_GetPreparsedData(device, &data_) == FALSE) {
            data_ = nullptr;
        }
    }
    ~PreparsedData()
    {
        if (data_ != nullptr) {
            ::HidD_FreePreparsedData(data_);
        }
    }
    PreparsedData(const PreparsedData&) = delete;
    PreparsedData& operator=(const PreparsedData&) = delete;
    PHIDP_PREPARSED_DATA get() const { return data_; }

    std::optional<HIDP_CAPS> Caps() const
    {
        HIDP_CAPS caps{};
        if (data_ == nullptr || ::HidP_GetCaps(data_, &caps) != kHidpSuccess) {
            return std::nullopt;
        }
        return caps;
    }

private:
    PHIDP_PREPARSED_DATA data_ = nullptr;
};

} // namespace

// The one overlapped record of a Write handle, its event and the report it carries.
struct WinHidPlatform::PendingWrite {
    OVERLAPPED overlapped{};
    uint8_t report[256]{};
    bool inFlight = false;

    ~PendingWrite()
    {
        if (overlapped.hEvent != nullptr) {
            ::CloseHandle(overlapped.hEvent);
        }
    }
};

WinHidPlatform::WinHidPlatform() = default;

WinHidPlatform::~WinHidPlatform()
{
    std::lock_guard lock(mutex_);
    for (auto& [handle, writer] : writers_) {
        if (writer->inFlight) {
            ::CancelIoEx(ToSystem(handle), &writer->overlapped);
            DWORD ignored = 0;
            ::GetOverlappedResult(ToSystem(handle), &writer->overlapped, &ignored, TRUE);
        }
        ::CloseHandle(ToSystem(handle));
    }
}

bool WinHidPlatform::Init()
{
    // hid.dll and setupapi.dll are linked: the HID support is there when the program runs.
    return true;
}

std::vector<std::string> WinHidPlatform::EnumerateInterfaces()
{
    std::vector<std::string> paths;
    GUID hidClass{};
    ::HidD_GetHidGuid(&hidClass);
    HDEVINFO set =
        ::SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        return paths;
    }
    SP_DEVICE_INTERFACE_DATA iface{};
    iface.cbSize = sizeof iface;
    for (DWORD index = 0; ::SetupDiEnumDeviceInterfaces(set, nullptr, &hidClass, index, &iface);
         ++index) {
        DWORD size = 0;
        ::SetupDiGetDeviceInterfaceDetailW(set, &iface, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
            continue;
        }
        // The record is variable-length: its path runs past the declared structure.
        std::vector<uint8_t> storage(size);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (::SetupDiGetDeviceInterfaceDetailW(set, &iface, detail, size, nullptr, nullptr)) {
            paths.push_back(Utf8FromWide(detail->DevicePath));
        }
    }
    ::SetupDiDestroyDeviceInfoList(set);
    return paths;
}

HidHandle WinHidPlatform::Open(const std::string& path, HidAccess access)
{
    DWORD rights = 0;
    DWORD flags = FILE_FLAG_OVERLAPPED;
    switch (access) {
    case HidAccess::Probe:
        flags = FILE_FLAG_BACKUP_SEMANTICS;
        break;
    case HidAccess::Read:
        rights = GENERIC_READ;
        break;
    case HidAccess::Write:
        rights = GENERIC_WRITE;
        break;
    }
    const std::wstring wide = WideFromUtf8(path);
    HANDLE device = ::CreateFileW(wide.c_str(), rights, kShareReadWrite, nullptr, OPEN_EXISTING,
                                  flags, nullptr);
    if (device == INVALID_HANDLE_VALUE) {
        return kInvalidHidHandle;
    }
    const HidHandle handle = FromSystem(device);
    if (access == HidAccess::Write) {
        auto writer = std::make_unique<PendingWrite>();
        // Manual reset, not signalled; opened again if another link made it already.
        writer->overlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, kWriteEventName);
        if (writer->overlapped.hEvent == nullptr) {
            ::CloseHandle(device);
            return kInvalidHidHandle;
        }
        std::lock_guard lock(mutex_);
        writers_[handle] = std::move(writer);
    }
    return handle;
}

void WinHidPlatform::Close(HidHandle handle)
{
    if (handle == kInvalidHidHandle) {
        return;
    }
    std::unique_ptr<PendingWrite> writer;
    {
        std::lock_guard lock(mutex_);
        if (const auto it = writers_.find(handle); it != writers_.end()) {
            writer = std::move(it->second);
            writers_.erase(it);
        }
    }
    if (writer && writer->inFlight) {
        ::CancelIoEx(ToSystem(handle), &writer->overlapped);
        DWORD ignored = 0;
        ::GetOverlappedResult(ToSystem(handle), &writer->overlapped, &ignored, TRUE);
    }
    ::CloseHandle(ToSystem(handle));
}

bool WinHidPlatform::GetAttributes(HidHandle handle, uint16_t& vendorId, uint16_t& productId)
{
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (::HidD_GetAttributes(ToSystem(handle), &attributes) == FALSE) {
        return false;
    }
    vendorId = attributes.VendorID;
    productId = attributes.ProductID;
    return true;
}

std::optional<HidUsage> WinHidPlatform::GetTopLevelUsage(HidHandle handle)
{
    const PreparsedData data(ToSystem(handle));
    const auto caps = data.Caps();
    if (!caps) {
        return std::nullopt;
    }
    return HidUsage{caps->UsagePage, caps->Usage};
}

std::optional<size_t> WinHidPlatform::GetFeatureValueCapsCount(HidHandle handle)
{
    const PreparsedData data(ToSystem(handle));
    const auto caps = data.Caps();
    if (!caps) {
        return std::nullopt;
    }
    return caps->NumberFeatureValueCaps;
}

std::optional<std::vector<HidValueCaps>> WinHidPlatform::GetFeatureValueCaps(HidHandle handle,
                                                                             size_t maxCount)
{
    const PreparsedData data(ToSystem(handle));
    if (data.get() == nullptr) {
        return std::nullopt;
    }
    std::vector<HIDP_VALUE_CAPS> caps(maxCount == 0 ? 1 : maxCount);
    USHORT count = static_cast<USHORT>(maxCount);
    // Usage page 0, link collection 0, usage 0: every feature value capability.
    if (::HidP_GetSpecificValueCaps(HidP_Feature, 0, 0, 0, caps.data(), &count, data.get()) !=
        kHidpSuccess) {
        return std::nullopt;
    }
    std::vector<HidValueCaps> out;
    for (USHORT i = 0; i < count && i < maxCount; ++i) {
        const HIDP_VALUE_CAPS& c = caps[i];
        const USAGE usage = c.IsRange ? c.Range.UsageMin : c.NotRange.Usage;
        out.push_back({c.UsagePage, usage, c.ReportID, c.ReportCount});
    }
    return out;
}

bool WinHidPlatform::SetFeature(HidHandle handle, const uint8_t* data, size_t length)
{
    // HidD_SetFeature takes a non-const buffer but does not change it.
    std::vector<uint8_t> report(data, data + length);
    return ::HidD_SetFeature(ToSystem(handle), report.data(), static_cast<ULONG>(length)) != FALSE;
}

bool WinHidPlatform::GetFeature(HidHandle handle, uint8_t* data, size_t length)
{
    return ::HidD_GetFeature(ToSystem(handle), data, static_cast<ULONG>(length)) != FALSE;
}

HidWriteResult WinHidPlatform::WriteOutput(HidHandle handle, const uint8_t* data, size_t length)
{
    std::lock_guard lock(mutex_);
    const auto it = writers_.find(handle);
    if (it == writers_.end() || length > sizeof it->second->report) {
        return HidWriteResult::Failed;
    }
    PendingWrite& writer = *it->second;
    if (writer.inFlight) {
        // The previous report never completed: end it before its record is used again.
        ::CancelIoEx(ToSystem(handle), &writer.overlapped);
        DWORD ignored = 0;
        ::GetOverlappedResult(ToSystem(handle), &writer.overlapped, &ignored, TRUE);
        writer.inFlight = false;
    }
    std::memcpy(writer.report, data, length);
    writer.overlapped.Offset = 0;
    writer.overlapped.OffsetHigh = 0;
    DWORD written = 0;
    if (::WriteFile(ToSystem(handle), writer.report, static_cast<DWORD>(length), &written,
                    &writer.overlapped) != FALSE) {
        return HidWriteResult::Done;
    }
    if (::GetLastError() == ERROR_IO_PENDING) {
        writer.inFlight = true;
        return HidWriteResult::Pending;
    }
    return HidWriteResult::Failed;
}

bool WinHidPlatform::WaitWriteCompletion(HidHandle handle, uint32_t timeoutMs)
{
    HANDLE event = nullptr;
    {
        std::lock_guard lock(mutex_);
        const auto it = writers_.find(handle);
        if (it == writers_.end()) {
            return false;
        }
        event = it->second->overlapped.hEvent;
    }
    const bool done = ::WaitForSingleObject(event, timeoutMs) == WAIT_OBJECT_0;
    ::ResetEvent(event);
    std::lock_guard lock(mutex_);
    if (const auto it = writers_.find(handle); it != writers_.end() && done) {
        it->second->inFlight = false;
    }
    return done;
}

} // namespace qx71
