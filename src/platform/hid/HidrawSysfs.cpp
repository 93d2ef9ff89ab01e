#include "platform/hid/HidrawSysfs.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace qx71 {

namespace {

constexpr std::string_view kNodePrefix = "hidraw";

// "hidraw" followed by the node's number, nothing else: the name is used inside a sysfs path.
bool IsHidrawNodeName(const std::string& name)
{
    if (name.size() <= kNodePrefix.size() ||
        name.compare(0, kNodePrefix.size(), kNodePrefix) != 0) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kNodePrefix.size()), name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

std::optional<std::vector<uint8_t>>
ReadHidrawReportDescriptor(const std::string& devicePath, const std::filesystem::path& sysfsRoot)
{
    // A udev symlink to the node names the node it points at.
    std::error_code error;
    std::filesystem::path node = std::filesystem::weakly_canonical(devicePath, error);
    if (error) {
        node = devicePath;
    }
    const std::string name = node.filename().string();
    if (!IsHidrawNodeName(name)) {
        return std::nullopt;
    }
    const std::filesystem::path file =
        sysfsRoot / "class" / "hidraw" / name / "device" / "report_descriptor";
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // One byte more than the largest descriptor tells an oversized file from a full one.
    std::vector<uint8_t> bytes(kMaxReportDescriptorSize + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    const auto count = static_cast<size_t>(in.gcount());
    if (count == 0 || count > kMaxReportDescriptorSize) {
        return std::nullopt;
    }
    bytes.resize(count);
    return bytes;
}

} // namespace qx71
