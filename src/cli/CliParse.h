#pragma once

#include "core/buttons/ButtonIndex.h"
#include "core/buttons/HostActionPage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qx71 {

// Texts of the command line's arguments and results shared by several command groups.

// The seven inputs as the command line names them, in ButtonIndex order.
inline constexpr std::array<const char*, kButtonCount> kButtonNames = {
    "left", "middle", "right", "forward", "back", "wheel-forward", "wheel-backward",
};
// The rows of host actions as the command line names them, in HostRow order.
inline constexpr std::array<const char*, kHostRowCount> kHostRowNames = {
    "sound",
    "program",
    "file",
    "folder",
};
// An input by its name or its number 0..6.
std::optional<ButtonIndex> ParseButton(const std::string& text);

// A macro id as "macro list" prints it: 0x15000001.
std::string IdText(uint32_t id);
// A macro id as printed by "macro list" (0x15000001) or in decimal.
std::optional<uint32_t> ParseId(const std::string& text);
// A key name as the event list shows it ("A", "F1", "L_Ctrl", "NUM 0"), in any letter case.
std::optional<uint32_t> LookupKeyName(std::u16string_view name);
// Whole texts equal when ASCII letters are folded to one case.
bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b);
// A command byte of the mouse: 0x12 or 18.
std::optional<uint8_t> ParseCommandByte(const std::string& text);
// A decimal number without sign or spaces in [min, max].
std::optional<int32_t> ParseNumber(std::string_view text, int32_t min, int32_t max);

} // namespace qx71
