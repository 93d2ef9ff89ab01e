#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

// The kernel keeps report descriptors to this size.
inline constexpr size_t kMaxReportDescriptorSize = 4096;

// Reads the report descriptor of a hidraw node ("/dev/hidraw3") from
// <sysfsRoot>/class/hidraw/hidraw3/device/report_descriptor. Needs no access to the node itself,
// only to sysfs, which every user may read. Nullopt when the path does not name a hidraw node,
// the file cannot be read, or it is empty or larger than any report descriptor can be.
std::optional<std::vector<uint8_t>>
ReadHidrawReportDescriptor(const std::string& devicePath,
                           const std::filesystem::path& sysfsRoot = "/sys");

} // namespace qx71
