#include "platform/linux/UdevSource.h"

#include <charconv>

namespace qx71 {

namespace {

std::optional<uint16_t> ParseHex(std::string_view text)
{
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
    constexpr uint32_t kMaxId = 0xFFFF;
    if (ec != std::errc() || ptr != end || text.empty() || value > kMaxId) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(value);
}

std::optional<UsbIds> Pair(std::string_view vendor, std::string_view product)
{
    auto v = ParseHex(vendor);
    auto p = ParseHex(product);
    if (!v || !p) {
        return std::nullopt;
    }
    return UsbIds{*v, *p};
}

const std::string* Property(const UdevDevice& device, const char* name)
{
    auto found = device.properties.find(name);
    return found == device.properties.end() ? nullptr : &found->second;
}

} // namespace

std::optional<UsbIds> UsbIdsOf(const UdevDevice& device)
{
    if (device.usbParent) {
        return device.usbParent;
    }
    // PRODUCT of USB events: "vendor/product/release", without leading zeros.
    if (const std::string* product = Property(device, "PRODUCT")) {
        const size_t first = product->find('/');
        const size_t second = product->find('/', first + 1);
        if (first != std::string::npos && second != std::string::npos) {
            std::string_view text(*product);
            if (auto ids =
                    Pair(text.substr(0, first), text.substr(first + 1, second - first - 1))) {
                return ids;
            }
        }
    }
    // HID_ID of HID devices: "bus:vendor:product", eight digits each.
    if (const std::string* hid = Property(device, "HID_ID")) {
        const size_t first = hid->find(':');
        const size_t second = hid->find(':', first + 1);
        if (first != std::string::npos && second != std::string::npos) {
            std::string_view text(*hid);
            if (auto ids =
                    Pair(text.substr(first + 1, second - first - 1), text.substr(second + 1))) {
                return ids;
            }
        }
    }
    const std::string* vendor = Property(device, "ID_VENDOR_ID");
    const std::string* model = Property(device, "ID_MODEL_ID");
    if (vendor != nullptr && model != nullptr) {
        return Pair(*vendor, *model);
    }
    return std::nullopt;
}

} // namespace qx71
