#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

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

// The game title a macro is filed under lives in the top byte of its id; the low 24 bits only
// keep ids apart.
inline constexpr unsigned kMacroCategoryShift = 24;
inline constexpr uint32_t kMacroIdLowMask = 0x00FFFFFF;
// Names typed in the editor are cut to this many characters; the record holds 39.
inline constexpr size_t kMacroNameEditLimit = 20;

constexpr uint32_t MacroCategoryOf(uint32_t id)
{
    return id >> kMacroCategoryShift;
}

constexpr uint32_t MakeMacroId(uint32_t category, uint32_t tick)
{
    return (category << kMacroCategoryShift) | (tick & kMacroIdLowMask);
}

// A slot appears in macro lists when either mark says it holds a macro.
constexpr bool IsListedMacro(const MacroRecord& r)
{
    return r.size >= kMacroRecordSize || (r.magic >> 16) == kMacroMagicHigh;
}

// What StoreMacro accepts: the editor's size and the magic's high half.
constexpr bool IsStorableMacro(const MacroRecord& r)
{
    return r.size >= kMacroRecordSize && (r.magic >> 16) == kMacroMagicHigh &&
           r.eventCount <= kMacroMaxEvents;
}

// The number of events that may be read: a damaged file can claim more than the record holds.
constexpr size_t UsableEventCount(const MacroRecord& r)
{
    return r.eventCount < kMacroMaxEvents ? r.eventCount : kMacroMaxEvents;
}

// The name up to its terminator (or all 40 units when a damaged record has none).
std::u16string MacroNameOf(const MacroRecord& r);
// Stores at most 39 units of `name` and zeroes the rest.
void SetMacroName(MacroRecord& r, std::u16string_view name);

// The record's bytes as they lie in Macro.cfg, little-endian on every host.
void WriteMacroRecord(const MacroRecord& r, std::span<uint8_t, kMacroRecordSize> out);
MacroRecord ReadMacroRecord(std::span<const uint8_t, kMacroRecordSize> in);

} // namespace qx71
