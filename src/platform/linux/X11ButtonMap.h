#pragma once

#include "core/hooks/InputEvent.h"

#include <cstdint>
#include <optional>

namespace qx71 {

// X pointer buttons as the mouse's inputs: 1 left, 2 middle, 3 right, 4/5 wheel forward and
// backward, 8 back (first side button), 9 forward (second side button).
namespace XButton {
inline constexpr unsigned kLeft = 1;
inline constexpr unsigned kMiddle = 2;
inline constexpr unsigned kRight = 3;
inline constexpr unsigned kWheelForward = 4;
inline constexpr unsigned kWheelBackward = 5;
inline constexpr unsigned kBack = 8;
inline constexpr unsigned kForward = 9;
} // namespace XButton

// The hook event of an X button press or release; nullopt for buttons the hooks do not watch
// (horizontal wheel, extra buttons) and for wheel releases (a notch is one event).
std::optional<MouseInput> MouseInputFromButton(unsigned button, bool pressed);

// The X button whose press raises a trigger code; nullopt for a code no button raises.
std::optional<unsigned> ButtonOfTrigger(uint32_t triggerCode);

} // namespace qx71
