#pragma once

#include "core/macro/MacroRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qx71 {

// The mouse's own form of a macro: 256 two-byte entries, entry 0 the loop count.
inline constexpr size_t kMacroStreamBytes = 512;
inline constexpr size_t kMacroStreamEntries = kMacroStreamBytes / 2;

struct MacroStream {
    std::array<uint8_t, kMacroStreamBytes> bytes{};
    // Entries in use, the header included (at least 1).
    int entries = 0;
};

// Flags of a key entry.
inline constexpr uint8_t kStreamPress = 0x01;
inline constexpr uint8_t kStreamRelease = 0x81;
// Units of a pause of its own.
inline constexpr uint8_t kPauseUnit20ms = 0x01;
inline constexpr uint8_t kPauseUnit50ms = 0x02;
inline constexpr uint8_t kPauseUnit100ms = 0x03;

// The keyboard usage the mouse plays for a virtual-key code (0 when it has none).
uint8_t MacroStreamUsage(uint32_t virtualKey);

MacroStream EncodeMacroStream(const MacroRecord& macro);

} // namespace qx71
