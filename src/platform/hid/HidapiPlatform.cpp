#include "platform/hid/HidapiPlatform.h"

#include "platform/hid/HidrawSysfs.h"
#include "platform/hid/OutputReportWriter.h"
#include "platform/hid/ReportDescriptorParser.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <utility>

namespace qx71 {

namespace {

// How long a write may take and still count as done at once. A report the mouse takes is on
// the wire within a couple of USB frames; a refusal (device gone) comes back at once.
constexpr std::chrono::milliseconds kWriteAtOnce{10};

struct InterfaceInfo {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    // hidapi parses the report descriptor's top-level collections; the first one is kept.
    HidUsage usage;
};

InterfaceInfo InfoOf(const hid_device_info& info)
{
    return InterfaceInfo{info.vendor_id, info.product_id, HidUsage{info.usage_page, info.usage}};
}

struct HidDeviceCloser {
    void operator()(hid_device* device) const { hid_close(device); }
};
using HidDevicePtr = std::unique_ptr<hid_device, HidDeviceCloser>;

struct OpenInterface {
    std::string path;
    InterfaceInfo info;
    // Feature reports (Read and Write handles). hidapi keeps an error text per device, so
    // calls on one device are serialised by `deviceMutex`.
    HidDevicePtr device;
    // Output reports (Write handles) go through a writer that owns a device of its own, so a
    // hung write never holds up a feature report or the caller.
    std::shared_ptr<OutputReportWriter> writer;
    std::mutex deviceMutex;
    // Parsed once per handle, under `deviceMutex`.
    bool capsRead = false;
    std::optional<std::vector<FeatureValueCaps>> caps;
};

// The interface's feature value capabilities from its report descriptor; nullopt when the
// descriptor cannot be read or is malformed. Called with `deviceMutex` held.
const std::optional<std::vector<FeatureValueCaps>>& FeatureCaps(OpenInterface& iface)
{
    if (!iface.capsRead) {
        iface.capsRead = true;
        if (const auto descriptor = ReadHidrawReportDescriptor(iface.path)) {
            ReportDescriptorResult parsed = ParseReportDescriptor(*descriptor);
            if (parsed.Ok()) {
                iface.caps = std::move(parsed.featureValueCaps);
            }
        }
    }
    return iface.caps;
}

} // namespace

struct HidapiPlatform::Impl {
    // Guards the members below and every hidapi call that touches the library's global state
    // (init, enumerate, open).
    std::mutex mutex;
    bool initialised = false;
    std::map<std::string, InterfaceInfo> enumerated;
    std::map<HidHandle, std::shared_ptr<OpenInterface>> open;
    HidHandle nextHandle = 1;
    // Writers of closed handles whose write is still in the kernel; dropped once they end.
    std::vector<std::shared_ptr<OutputReportWriter>> retired;

    // Paths in the library's order, each once (hidapi lists a node once per top-level
    // collection).
    std::vector<std::string> EnumerateLocked()
    {
        enumerated.clear();
        std::vector<std::string> paths;
        hid_device_info* list = hid_enumerate(0, 0);
        for (const hid_device_info* it = list; it != nullptr; it = it->next) {
            if (it->path == nullptr) {
                continue;
            }
            const std::string path = it->path;
            if (enumerated.emplace(path, InfoOf(*it)).second) {
                paths.push_back(path);
            }
        }
        hid_free_enumeration(list);
        return paths;
    }

    std::optional<InterfaceInfo> LookUpLocked(const std::string& path)
    {
        auto it = enumerated.find(path);
        if (it == enumerated.end()) {
            EnumerateLocked();
            it = enumerated.find(path);
        }
        if (it == enumerated.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    void ReapRetiredLocked()
    {
        std::erase_if(retired, [](const auto& writer) { return writer->Finished(); });
    }

    std::shared_ptr<OpenInterface> Find(HidHandle handle)
    {
        std::lock_guard lock(mutex);
        const auto it = open.find(handle);
        return it == open.end() ? nullptr : it->second;
    }
};

HidapiPlatform::HidapiPlatform() : impl_(std::make_unique<Impl>()) {}

HidapiPlatform::~HidapiPlatform()
{
    {
        std::lock_guard lock(impl_->mutex);
        for (auto& [handle, iface] : impl_->open) {
            if (iface->writer) {
                iface->writer->Stop();
            }
        }
        impl_->open.clear();
    }
    // Waits for writes still in the kernel; the USB stack's own timeout bounds them.
    impl_->retired.clear();
    if (impl_->initialised) {
        hid_exit();
    }
}

bool HidapiPlatform::Init()
{
    std::lock_guard lock(impl_->mutex);
    if (!impl_->initialised) {
        impl_->initialised = hid_init() == 0;
    }
    return impl_->initialised;
}

std::vector<std::string> HidapiPlatform::EnumerateInterfaces()
{
    std::lock_guard lock(impl_->mutex);
    return impl_->EnumerateLocked();
}

HidHandle HidapiPlatform::Open(const std::string& path, HidAccess access)
{
    std::lock_guard lock(impl_->mutex);
    impl_->ReapRetiredLocked();
    auto iface = std::make_shared<OpenInterface>();
    iface->path = path;

    if (access == HidAccess::Probe) {
        // Attributes come from the enumeration and capabilities from sysfs: a probe needs no
        // rights on the node, only that it is there.
        const auto info = impl_->LookUpLocked(path);
        std::error_code error;
        if (!info || !std::filesystem::exists(path, error)) {
            return kInvalidHidHandle;
        }
        iface->info = *info;
    } else {
        iface->device.reset(hid_open_path(path.c_str()));
        if (!iface->device) {
            return kInvalidHidHandle;
        }
        if (const auto info = impl_->LookUpLocked(path)) {
            iface->info = *info;
        } else if (const hid_device_info* own = hid_get_device_info(iface->device.get())) {
            iface->info = InfoOf(*own);
        }
        if (access == HidAccess::Write) {
            std::shared_ptr<hid_device> writeDevice(hid_open_path(path.c_str()), HidDeviceCloser{});
            if (!writeDevice) {
                return kInvalidHidHandle;
            }
            iface->writer = std::make_shared<OutputReportWriter>(
                [writeDevice](const uint8_t* data, size_t length) {
                    const int written = hid_write(writeDevice.get(), data, length);
                    return written >= 0 && static_cast<size_t>(written) == length;
                },
                kWriteAtOnce);
        }
    }
    const HidHandle handle = impl_->nextHandle++;
    impl_->open.emplace(handle, std::move(iface));
    return handle;
}

void HidapiPlatform::Close(HidHandle handle)
{
    std::lock_guard lock(impl_->mutex);
    const auto it = impl_->open.find(handle);
    if (it == impl_->open.end()) {
        return;
    }
    if (const auto& writer = it->second->writer) {
        // Never wait here for a write stuck in the kernel: the writer ends on its own.
        writer->Stop();
        impl_->retired.push_back(writer);
    }
    impl_->open.erase(it);
    impl_->ReapRetiredLocked();
}

bool HidapiPlatform::GetAttributes(HidHandle handle, uint16_t& vendorId, uint16_t& productId)
{
    const auto iface = impl_->Find(handle);
    if (!iface) {
        return false;
    }
    vendorId = iface->info.vendorId;
    productId = iface->info.productId;
    return true;
}

std::optional<HidUsage> HidapiPlatform::GetTopLevelUsage(HidHandle handle)
{
    const auto iface = impl_->Find(handle);
    if (!iface) {
        return std::nullopt;
    }
    return iface->info.usage;
}

std::optional<size_t> HidapiPlatform::GetFeatureValueCapsCount(HidHandle handle)
{
    const auto iface = impl_->Find(handle);
    if (!iface) {
        return std::nullopt;
    }
    std::lock_guard lock(iface->deviceMutex);
    const auto& caps = FeatureCaps(*iface);
    if (!caps) {
        return std::nullopt;
    }
    return caps->size();
}

std::optional<std::vector<HidValueCaps>> HidapiPlatform::GetFeatureValueCaps(HidHandle handle,
                                                                             size_t maxCount)
{
    const auto iface = impl_->Find(handle);
    if (!iface) {
        return std::nullopt;
    }
    std::lock_guard lock(iface->deviceMutex);
    const auto& caps = FeatureCaps(*iface);
    if (!caps) {
        return std::nullopt;
    }
    std::vector<HidValueCaps> result;
    const size_t count = std::min(maxCount, caps->size());
    result.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const FeatureValueCaps& c = (*caps)[i];
        result.push_back(HidValueCaps{c.usagePage, c.usage, c.reportId, c.reportCount});
    }
    return result;
}

bool HidapiPlatform::SetFeature(HidHandle handle, const uint8_t* data, size_t length)
{
    const auto iface = impl_->Find(handle);
    if (!iface || !iface->device || data == nullptr || length == 0) {
        return false;
    }
    std::lock_guard lock(iface->deviceMutex);
    return hid_send_feature_report(iface->device.get(), data, length) >= 0;
}

bool HidapiPlatform::GetFeature(HidHandle handle, uint8_t* data, size_t length)
{
    const auto iface = impl_->Find(handle);
    if (!iface || !iface->device || data == nullptr || length == 0) {
        return false;
    }
    std::lock_guard lock(iface->deviceMutex);
    // A reply holds at least the report ID.
    return hid_get_feature_report(iface->device.get(), data, length) > 0;
}

// Windows' overlapped write, rebuilt on a writer thread (OutputReportWriter says why a thread):
// done or refused within kWriteAtOnce, otherwise pending until WaitWriteCompletion.
HidWriteResult HidapiPlatform::WriteOutput(HidHandle handle, const uint8_t* data, size_t length)
{
    const auto iface = impl_->Find(handle);
    if (!iface || !iface->writer) {
        return HidWriteResult::Failed;
    }
    return iface->writer->Submit(data, length);
}

bool HidapiPlatform::WaitWriteCompletion(HidHandle handle, uint32_t timeoutMs)
{
    const auto iface = impl_->Find(handle);
    if (!iface || !iface->writer) {
        return false;
    }
    return iface->writer->WaitIdle(std::chrono::milliseconds(timeoutMs));
}

} // namespace qx71
