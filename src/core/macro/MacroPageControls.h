#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace qx71 {

// The controls of the macro page that take part in hints, in the order the page tests them,
// followed by those that have no hint.
enum class MacroControl : uint8_t {
    NewMacro,
    DeleteMacro,
    Insert,
    DeleteEvent,
    Modify,
    Record,
    NoDelay,
    LoopCount,
    LeftButton,
    MiddleButton,
    RightButton,
    KeyOption,
    KeyField,
    DelayOption,
    DelayField,
    CategoryLabel,
    MacroList,
    EventListLabel,
    EventList,
    // No hint:
    GameButton,
    KeyConfirm,
    DelayConfirm,
    None,
};

inline constexpr size_t kMacroHintControls = static_cast<size_t>(MacroControl::EventList) + 1;

// The hint number the page asks the main window to show for a control (none for a control
// without a hint). The record button's hint tells whether a recording runs.
std::optional<uint32_t> MacroControlHint(MacroControl control, bool recording);
// The UiStrings key of a control's tooltip; empty when it has none.
std::string_view MacroControlTooltip(MacroControl control);

struct ControlRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The hints to post for a cursor at (x, y): for each hint control in page order whose window
// rectangle, grown by one pixel on every side, holds the cursor. `rects` gives the window
// rectangles in MacroControl order (kMacroHintControls of them).
std::vector<uint32_t> MacroHintsAt(std::span<const ControlRect> rects, int x, int y,
                                   bool recording);

} // namespace qx71
