#pragma once

#include "platform/linux/UdevSource.h"

struct udev;
struct udev_monitor;

namespace qx71 {

// Device events from the kernel's netlink socket through libudev. Events come from the udev
// daemon when one runs (its rules have finished, so the node is ready); without one, straight
// from the kernel.
class LibudevSource final : public IUdevSource {
public:
    LibudevSource();
    ~LibudevSource() override;
    LibudevSource(const LibudevSource&) = delete;
    LibudevSource& operator=(const LibudevSource&) = delete;

    bool Listen() override;
    int Fd() const override;
    std::optional<UdevDevice> Receive() override;
    std::vector<UdevDevice> Enumerate(const std::string& subsystem) override;

private:
    struct udev* udev_ = nullptr;
    struct udev_monitor* monitor_ = nullptr;
};

} // namespace qx71
