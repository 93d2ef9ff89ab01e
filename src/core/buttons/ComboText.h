#pragma once

#include "core/device/DeviceFormats.h"

#include <cstdint>
#include <string>

namespace qx71 {

// A key or key combination as a button stores it: the keyboard kind of DeviceCode, with the
// modifier bits (kModCtrl, kModShift, kModAlt, kModWin) in bits 8..15 and the key's HID usage
// in bits 16..23. A modifier pressed alone is its own usage with no modifier bits.
using ComboCode = uint32_t;

constexpr ComboCode MakeComboCode(uint8_t modifiers, uint8_t usage)
{
    return MakeDeviceCode(DeviceCodeKind::Keyboard, modifiers, usage, 0);
}

constexpr uint8_t ComboModifiers(ComboCode code)
{
    return static_cast<uint8_t>(code >> 8);
}

constexpr uint8_t ComboUsage(ComboCode code)
{
    return static_cast<uint8_t>(code >> 16);
}

// The text shown for a combination, for example "Shift + Ctrl + A" or "Alt + F4": the
// modifiers in the order Shift, Ctrl, Alt, Win, then the key's name. Modifier bits other than
// those four are not shown; with none of the four the text is the key's name alone.
std::u16string ComboText(ComboCode code);

} // namespace qx71
