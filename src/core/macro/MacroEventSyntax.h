#pragma once

#include "core/macro/MacroLists.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qx71 {

// Finds the virtual-key code of a key name as the event list shows it.
using MacroKeyLookup = std::function<std::optional<uint32_t>(std::u16string_view name)>;

// A small text form of macro events for the command line:
//   down:KEY   press KEY         up:KEY   release KEY         120ms   a pause of 120 ms
// KEY is a key name as the event list shows it ("A", "F1", "Page Up", "Left Button", ...) or a
// virtual-key code written "#65" or "#0x41" (1..255).
struct MacroEventParse {
    std::optional<EventItem> item;
    std::string error; // why the token was refused, when item is empty
};
MacroEventParse ParseMacroEventToken(std::string_view token, const MacroKeyLookup& lookup);

} // namespace qx71
