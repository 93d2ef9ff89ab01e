#pragma once

#include "core/app/IDeviceMonitor.h"
#include "core/device/DeviceSurvey.h"
#include "core/device/IHidPlatform.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace qx71::test {

// One HID interface of the fake platform.
struct FakeHidInterface {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    HidUsage usage;
    std::vector<HidValueCaps> featureCaps;
    bool opensForReadWrite = true; // false: Read and Write opens fail, as with a closed node
};

// A HID platform of listed interfaces that moves no reports: for tests of the search and of
// the device survey.
class FakeHidPlatform final : public IHidPlatform {
public:
    explicit FakeHidPlatform(std::vector<FakeHidInterface> interfaces)
        : interfaces_(std::move(interfaces))
    {
    }

    size_t OpenHandleCount() const { return open_.size(); }

    bool Init() override { return true; }
    std::vector<std::string> EnumerateInterfaces() override
    {
        std::vector<std::string> paths;
        for (const auto& iface : interfaces_) {
            paths.push_back(iface.path);
        }
        return paths;
    }
    HidHandle Open(const std::string& path, HidAccess access) override
    {
        const auto it = std::find_if(interfaces_.begin(), interfaces_.end(),
                                     [&](const FakeHidInterface& i) { return i.path == path; });
        if (it == interfaces_.end() || (access != HidAccess::Probe && !it->opensForReadWrite)) {
            return kInvalidHidHandle;
        }
        open_[next_] = &*it;
        return next_++;
    }
    void Close(HidHandle handle) override { open_.erase(handle); }
    bool GetAttributes(HidHandle handle, uint16_t& vendorId, uint16_t& productId) override
    {
        const FakeHidInterface* iface = Find(handle);
        if (iface == nullptr) {
            return false;
        }
        vendorId = iface->vendorId;
        productId = iface->productId;
        return true;
    }
    std::optional<HidUsage> GetTopLevelUsage(HidHandle handle) override
    {
        const FakeHidInterface* iface = Find(handle);
        return iface == nullptr ? std::nullopt : std::optional<HidUsage>(iface->usage);
    }
    std::optional<size_t> GetFeatureValueCapsCount(HidHandle handle) override
    {
        const FakeHidInterface* iface = Find(handle);
        return iface == nullptr ? std::nullopt : std::optional<size_t>(iface->featureCaps.size());
    }
    std::optional<std::vector<HidValueCaps>> GetFeatureValueCaps(HidHandle handle,
                                                                 size_t maxCount) override
    {
        const FakeHidInterface* iface = Find(handle);
        if (iface == nullptr) {
            return std::nullopt;
        }
        const auto& caps = iface->featureCaps;
        return std::vector<HidValueCaps>(
            caps.begin(),
            caps.begin() + static_cast<std::ptrdiff_t>(std::min(maxCount, caps.size())));
    }
    bool SetFeature(HidHandle, const uint8_t*, size_t) override { return false; }
    bool GetFeature(HidHandle, uint8_t*, size_t) override { return false; }
    HidWriteResult WriteOutput(HidHandle, const uint8_t*, size_t) override
    {
        return HidWriteResult::Failed;
    }
    bool WaitWriteCompletion(HidHandle, uint32_t) override { return false; }

private:
    const FakeHidInterface* Find(HidHandle handle) const
    {
        const auto it = open_.find(handle);
        return it == open_.end() ? nullptr : it->second;
    }

    std::vector<FakeHidInterface> interfaces_;
    std::map<HidHandle, const FakeHidInterface*> open_;
    HidHandle next_ = 1;
};

// Answers every node check with one result and remembers the paths asked about.
class FakeNodeAccess final : public IHidNodeAccess {
public:
    explicit FakeNodeAccess(NodeAccess answer) : answer_(answer) {}
    NodeAccess CheckReadWrite(const std::string& path) override
    {
        asked.push_back(path);
        return answer_;
    }
    std::vector<std::string> asked;

private:
    NodeAccess answer_;
};

// A USB bus on which the listed identities are plugged in; reports no changes.
class FakeUsbMonitor final : public IDeviceMonitor {
public:
    explicit FakeUsbMonitor(std::vector<UsbIdentity> present = {}) : present_(std::move(present)) {}
    bool Start(const UsbIdentity&, Handler) override { return true; }
    void Stop() override {}
    bool IsPresent(const UsbIdentity& identity) override
    {
        return std::any_of(present_.begin(), present_.end(), [&](const UsbIdentity& p) {
            return ParseHexId(p.vendorIdText) == ParseHexId(identity.vendorIdText) &&
                   ParseHexId(p.productIdText) == ParseHexId(identity.productIdText);
        });
    }

private:
    std::vector<UsbIdentity> present_;
};

} // namespace qx71::test
