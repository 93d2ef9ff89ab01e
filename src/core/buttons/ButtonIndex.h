#pragma once

#include <cstddef>
#include <cstdint>

namespace qx71 {

// The mouse's seven programmable inputs, in the order the profile stores them.
enum class ButtonIndex : uint8_t {
    Left = 0,
    Middle = 1,
    Right = 2,
    Forward = 3,
    Back = 4,
    WheelForward = 5,
    WheelBackward = 6,
};

inline constexpr size_t kButtonCount = 7;

constexpr size_t ToIndex(ButtonIndex button)
{
    return static_cast<size_t>(button);
}

} // namespace qx71
