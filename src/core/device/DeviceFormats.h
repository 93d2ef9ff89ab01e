#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace qx71 {

// What one button does, as the mouse reads it: a 32-bit little-endian number whose byte 0 is
// the kind.
using DeviceCode = uint32_t;

enum class DeviceCodeKind : uint8_t {
    Keyboard = 0x00,
    MouseButton = 0x01,
    Consumer = 0x03,
    Wheel = 0x04,
    MouseFunction = 0x07,
    Macro = 0x09,
    Fire = 0x0A,
};

constexpr DeviceCode MakeDeviceCode(uint8_t kind, uint8_t b1, uint8_t b2, uint8_t b3)
{
    return static_cast<uint32_t>(kind) | (static_cast<uint32_t>(b1) << 8) |
           (static_cast<uint32_t>(b2) << 16) | (static_cast<uint32_t>(b3) << 24);
}

constexpr DeviceCode MakeDeviceCode(DeviceCodeKind kind, uint8_t b1, uint8_t b2, uint8_t b3)
{
    return MakeDeviceCode(static_cast<uint8_t>(kind), b1, b2, b3);
}

// Mouse-button bytes of kind 0x01 (and of macro stream entries for mouse buttons).
inline constexpr uint8_t kMouseLeft = 0xF0;
inline constexpr uint8_t kMouseRight = 0xF1;
inline constexpr uint8_t kMouseMiddle = 0xF2;
inline constexpr uint8_t kMouseBack = 0xF3;
inline constexpr uint8_t kMouseForward = 0xF4;

// Keyboard modifier bits of kind 0x00.
inline constexpr uint8_t kModCtrl = 0x01;
inline constexpr uint8_t kModShift = 0x02;
inline constexpr uint8_t kModAlt = 0x04;
inline constexpr uint8_t kModWin = 0x08;

inline constexpr DeviceCode kDeviceCodeDisabled =
    MakeDeviceCode(DeviceCodeKind::MouseFunction, 0, 0, 0);
// The code of ButtonTable slot 3, which the program never assigns.
inline constexpr DeviceCode kDeviceCodeSlot3 =
    MakeDeviceCode(DeviceCodeKind::MouseFunction, 0, 3, 0);
inline constexpr DeviceCode kDeviceCodeSnipe =
    MakeDeviceCode(DeviceCodeKind::MouseFunction, 0, 4, 0x08);
inline constexpr DeviceCode kDeviceCodeFire =
    MakeDeviceCode(DeviceCodeKind::Fire, 0xF0, 0x18, 0x02);

constexpr DeviceCode MacroDeviceCode(uint8_t slot, uint8_t entries)
{
    return MakeDeviceCode(DeviceCodeKind::Macro, 0, slot, entries);
}

// The 16 button codes the mouse keeps, 64 bytes.
inline constexpr size_t kButtonTableSlots = 16;
inline constexpr size_t kButtonTableBytes = kButtonTableSlots * sizeof(DeviceCode);
enum ButtonTableSlot : size_t {
    kSlotLeft = 0,
    kSlotRight = 1,
    kSlotMiddle = 2,
    kSlotFixed = 3,
    kSlotForward = 4,
    kSlotBack = 5,
    kSlotWheelForward = 14,
    kSlotWheelBackward = 15,
};

struct ButtonTable {
    std::array<DeviceCode, kButtonTableSlots> slots{};
    // The 64 bytes as sent: slot n at bytes 4n..4n+3, little-endian.
    std::array<uint8_t, kButtonTableBytes> Bytes() const;
};

// DPI codes of the stages: bytes 0..7 for stages 1..8, bytes 8..15 the same again.
inline constexpr size_t kDpiStages = 8;
inline constexpr size_t kDpiTableBytes = 2 * kDpiStages;
inline constexpr uint8_t kDpiUnusedStage = 0x80;

struct DpiTable {
    std::array<uint8_t, kDpiStages> stageCodes;
    DpiTable() { stageCodes.fill(kDpiUnusedStage); }
    std::array<uint8_t, kDpiTableBytes> Bytes() const;
};

// The code of a resolution the mouse offers; nullopt for any other value.
std::optional<uint8_t> DpiCode(uint32_t dpi);
// The resolution of a code; nullopt for an unknown code.
std::optional<uint32_t> DpiOfCode(uint8_t code);

} // namespace qx71
