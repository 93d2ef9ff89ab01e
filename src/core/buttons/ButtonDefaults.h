#pragma once

#include "core/buttons/ButtonFunction.h"
#include "core/buttons/ButtonIndex.h"
#include "core/device/DeviceFormats.h"

#include <array>

namespace qx71 {

// The function each input has in a default profile, by ButtonIndex. The same table decides
// which inputs the assignment page marks as changed.
inline constexpr std::array<ButtonFunction, kButtonCount> kDefaultFunctions = {
    ButtonFunction::Click,      ButtonFunction::Middle, ButtonFunction::Menu,
    ButtonFunction::Forward,    ButtonFunction::Back,   ButtonFunction::ScrollUp,
    ButtonFunction::ScrollDown,
};

constexpr ButtonFunction DefaultFunction(ButtonIndex button)
{
    return kDefaultFunctions[ToIndex(button)];
}

// What the input does when the mouse is left to itself: the code of its default function. An
// input whose function runs on the PC keeps this code in the button table.
DeviceCode NativeDeviceCode(ButtonIndex button);

} // namespace qx71
