#include "core/buttons/KeyUsageMap.h"

namespace qx71 {

namespace {

struct Run {
    uint8_t firstUsage;
    uint8_t firstVirtualKey;
    uint8_t count;
};

// The map as runs of codes that advance together, in table order.
constexpr Run kRuns[] = {
    {0x29, 0x1B, 1},  // Esc
    {0x3A, 0x70, 12}, // F1-F12
    {0x04, 0x41, 26}, // A-Z
    {0x1E, 0x31, 9},  // 1-9
    {0x27, 0x30, 1},  // 0
    {0x2B, 0x09, 1},  // Tab
    {0x39, 0x14, 1},  // Caps Lock
    {0x28, 0x0D, 1},  // Enter
    {0x2A, 0x08, 1},  // Backspace
    {0x2C, 0x20, 1},  // Space
    {0x2F, 0xDB, 1},  // [
    {0x30, 0xDD, 1},  // ]
    {0x31, 0xDC, 1},  // backslash
    {0x33, 0xBA, 1},  // ;
    {0x34, 0xDE, 1},  // '
    {0x36, 0xBC, 1},  // ,
    {0x37, 0xBE, 1},  // .
    {0x38, 0xBF, 1},  // /
    {0x35, 0xC0, 1},  // grave accent
    {0x2E, 0xBB, 1},  // =
    {0x2D, 0xBD, 1},  // -
    {0x46, 0x2C, 1},  // Print Screen
    {0x47, 0x91, 1},  // Scroll Lock
    {0x48, 0x13, 1},  // Pause
    {0x49, 0x2D, 1},  // Insert
    {0x4A, 0x24, 1},  // Home
    {0x4B, 0x21, 1},  // Page Up
    {0x4C, 0x2E, 1},  // Delete
    {0x4D, 0x23, 1},  // End
    {0x4E, 0x22, 1},  // Page Down
    {0x52, 0x26, 1},  // Up
    {0x51, 0x28, 1},  // Down
    {0x50, 0x25, 1},  // Left
    {0x4F, 0x27, 1},  // Right
    {0x59, 0x61, 9},  // keypad 1-9
    {0x62, 0x60, 1},  // keypad 0
    {0x57, 0x6B, 1},  // keypad +
    {0x56, 0x6D, 1},  // keypad -
    {0x55, 0x6A, 1},  // keypad *
    {0x54, 0x6F, 1},  // keypad /
    {0x53, 0x90, 1},  // Num Lock
    {0x58, 0x0D, 1},  // keypad Enter
    {0x63, 0x6E, 1},  // keypad .
    {0xE0, 0xA2, 1},  // left Ctrl
    {0xE1, 0xA0, 1},  // left Shift
    {0xE2, 0xA4, 1},  // left Alt
    {0xE3, 0x5B, 1},  // left Win
    {0xE4, 0xA3, 1},  // right Ctrl
    {0xE5, 0xA1, 1},  // right Shift
    {0xE6, 0xA5, 1},  // right Alt
    {0xE7, 0x5C, 1},  // right Win
    {0x65, 0x5D, 1},  // Application
    {0xF0, 0x01, 1},  // left mouse button
    {0xF1, 0x02, 1},  // right mouse button
    {0xF2, 0x04, 1},  // middle mouse button
};

constexpr std::array<KeyUsagePair, kKeyUsagePairs> ExpandRuns()
{
    std::array<KeyUsagePair, kKeyUsagePairs> pairs{};
    size_t n = 0;
    for (const Run& run : kRuns) {
        for (uint8_t i = 0; i < run.count; ++i) {
            pairs[n++] = {static_cast<uint8_t>(run.firstUsage + i),
                          static_cast<uint8_t>(run.firstVirtualKey + i)};
        }
    }
    return pairs;
}

constexpr size_t CountRuns()
{
    size_t total = 0;
    for (const Run& run : kRuns) {
        total += run.count;
    }
    return total;
}
static_assert(CountRuns() == kKeyUsagePairs);

} // namespace

const std::array<KeyUsagePair, kKeyUsagePairs> kKeyUsageMap = ExpandRuns();

uint8_t UsageToVk(uint32_t usage)
{
    for (const auto& pair : kKeyUsageMap) {
        if (pair.usage == usage) {
            return pair.virtualKey;
        }
    }
    return 0;
}

uint8_t VkToUsage(uint32_t virtualKey)
{
    for (const auto& pair : kKeyUsageMap) {
        if (pair.virtualKey == virtualKey) {
            return pair.usage;
        }
    }
    return 0;
}

} // namespace qx71
