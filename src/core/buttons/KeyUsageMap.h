#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qx71 {

// Keys live in two code spaces: the keyboard hook sees Windows virtual-key codes, the mouse
// stores HID keyboard usages (plus three values of its own for the mouse buttons).
struct KeyUsagePair {
    uint8_t usage;
    uint8_t virtualKey;
};

inline constexpr size_t kKeyUsagePairs = 107;
// In this order: the first match wins in both directions (Enter occurs twice).
extern const std::array<KeyUsagePair, kKeyUsagePairs> kKeyUsageMap;

// HID usages the program names in its own tables.
inline constexpr uint8_t kUsageA = 0x04;
inline constexpr uint8_t kUsageD = 0x07;
inline constexpr uint8_t kUsageL = 0x0F;
inline constexpr uint8_t kUsageM = 0x10;
inline constexpr uint8_t kUsageQ = 0x14;
inline constexpr uint8_t kUsageR = 0x15;
inline constexpr uint8_t kUsageTab = 0x2B;
inline constexpr uint8_t kUsageF4 = 0x3D;
inline constexpr uint8_t kUsageKeypadMinus = 0x56;
inline constexpr uint8_t kUsageKeypadPlus = 0x57;
inline constexpr uint8_t kUsageLeftCtrl = 0xE0;
inline constexpr uint8_t kUsageLeftShift = 0xE1;
inline constexpr uint8_t kUsageLeftAlt = 0xE2;
inline constexpr uint8_t kUsageLeftWin = 0xE3;
// The mouse's own usages for its buttons (left, right, middle) start here.
inline constexpr uint8_t kFirstMouseButtonUsage = 0xF0;

// The virtual key of the first pair with this usage; 0 when there is none.
uint8_t UsageToVk(uint32_t usage);
// The usage of the first pair with this virtual key; 0 when there is none.
uint8_t VkToUsage(uint32_t virtualKey);

} // namespace qx71
