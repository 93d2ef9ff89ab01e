#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qx71 {

// The lighting mode of a profile (`ledMode`). Stored values outside 1..5 may appear in files;
// they are sent to the mouse as Off.
enum class LightingMode : int32_t {
    Always = 1,
    NormalBreath = 2,
    ApmBreath = 3,
    Spe = 4,
    Off = 5,
};

inline constexpr int kLightingModes = 5;

struct LightingModeInfo {
    LightingMode mode;
    std::string_view tooltipKey; // UiStrings key of the mode button's tooltip
    uint32_t hint;               // hint id posted while the cursor is over the mode button
    bool usesColour;
    bool usesBrightness;
    bool usesBreathSpeed;
    std::string_view commandName; // the mode's name on the command line
};

// Indexed by mode code - 1.
inline constexpr std::array<LightingModeInfo, kLightingModes> kLightingModeInfo{{
    {LightingMode::Always, "str_led_brealways", 31, true, true, false, "always"},
    {LightingMode::NormalBreath, "str_led_norbre", 29, true, false, true, "breath"},
    {LightingMode::ApmBreath, "str_led_apmbre", 27, false, false, false, "apm-breath"},
    {LightingMode::Spe, "str_ledspe", 26, false, false, false, "spectrum"},
    {LightingMode::Off, "str_led_off", 28, false, false, false, "off"},
}};

// The mode of a stored value, or nullopt for a value outside 1..5.
constexpr std::optional<LightingMode> LightingModeOf(int32_t stored)
{
    if (stored < 1 || stored > kLightingModes) {
        return std::nullopt;
    }
    return static_cast<LightingMode>(stored);
}

constexpr const LightingModeInfo& InfoOf(LightingMode mode)
{
    return kLightingModeInfo[static_cast<size_t>(mode) - 1];
}

// The mode named `name` on the command line ("always", "breath", ...).
constexpr std::optional<LightingMode> LightingModeNamed(std::string_view name)
{
    for (const auto& info : kLightingModeInfo) {
        if (info.commandName == name) {
            return info.mode;
        }
    }
    return std::nullopt;
}

} // namespace qx71
