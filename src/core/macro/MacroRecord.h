#pragma once

#include <cstddef>
#include <cstdint>

namespace qx71 {

// One macro event word: the kind in bits 24..31, the key code or pause length in bits 0..23.
using MacroEvent = uint32_t;

enum class MacroEventKind : uint8_t {
    KeyDown = 0xC0,
    KeyUp = 0xE0,
    Delay = 0xA0,
};

inline constexpr uint32_t kMacroEventValueMask = 0x00FFFFFF;
inline constexpr unsigned kMacroEventKindShift = 24;

constexpr uint8_t MacroEventKindByte(MacroEvent event)
{
    return static_cast<uint8_t>(event >> kMacroEventKindShift);
}

constexpr uint32_t MacroEventValue(MacroEvent event)
{
    return event & kMacroEventValueMask;
}

constexpr MacroEvent MakeMacroEvent(MacroEventKind kind, uint32_t value)
{
    return (static_cast<uint32_t>(kind) << kMacroEventKindShift) | (value & kMacroEventValueMask);
}

inline constexpr size_t kMacroMaxEvents = 1000;
inline constexpr size_t kMacroNameUnits = 40;
inline constexpr uint32_t kMacroMagic = 0xE8E80010;
inline constexpr uint32_t kMacroMagicHigh = 0xE8E8; // readers test only the high 16 bits
inline constexpr uint32_t kMacroRecordSize = 0x1008;
// Played once per press instead of a loop count when the macro is a single key press.
inline constexpr uint32_t LoopSinglePress = 0xFFFE;

// One macro as stored in Macro.cfg, little-endian, 0x1008 bytes.
struct MacroRecord {
    uint32_t size = 0;
    uint32_t magic = 0;
    uint32_t id = 0;
    uint32_t reserved = 0;
    uint32_t loopCount = 0;
    uint32_t eventCount = 0;
    MacroEvent events[kMacroMaxEvents] = {};
    char16_t name[kMacroNameUnits] = {};
};

static_assert(offsetof(MacroRecord, size) == 0);
static_assert(offsetof(MacroRecord, magic) == 4);
static_assert(offsetof(MacroRecord, id) == 8);
static_assert(offsetof(MacroRecord, reserved) == 12);
static_assert(offsetof(MacroRecord, loopCount) == 16);
static_assert(offsetof(MacroRecord, eventCount) == 20);
static_assert(offsetof(MacroRecord, events) == 24);
static_assert(offsetof(MacroRecord, name) == 4024);
static_assert(sizeof(MacroRecord) == kMacroRecordSize);

} // namespace qx71
