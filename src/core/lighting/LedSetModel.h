#pragma once

#include "core/config/ProfileRecord.h"
#include "core/lighting/LedColour.h"
#include "core/lighting/LightingMode.h"
#include "core/widgets/Geometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace qx71 {

struct SliderState {
    bool enabled = true;
    int value = 0;
};

// The lighting page without its drawing. It edits the lighting fields of the profile in use
// in place and keeps what the page shows: which mode and preset buttons are checked, which
// controls are enabled, the slider positions, the red, green and blue values and numbers, and
// the colour of the current-colour display. The view draws this state and forwards input.
class LedSetModel {
public:
    explicit LedSetModel(ProfileRecord& profile);

    // Brings the page in line with the profile (after a load, switch, restore or show).
    void RefreshLighting();

    // A mode button: the mode is stored, then the page refreshed.
    void ChooseMode(LightingMode mode);
    // Preset button k (0..25): stores its colour as the profile's. False (nothing changes)
    // for an index out of range or while the presets are disabled.
    bool ChoosePreset(size_t index);
    // A slider's change notice (769..771 colour, 777 brightness, 778 breathing speed). False
    // (nothing changes) for another identifier, a disabled slider or a value out of its range.
    bool SliderChanged(uint32_t sliderId, int value);
    // A left click at `point` on the page, where the page shows `colourShown` (0x00BBGGRR).
    // Takes the colour when the colour controls are on and the point is on the wheel; returns
    // whether it did.
    bool PickWheelColour(Point point, uint32_t colourShown);
    // Whether the cursor at `point` is the cross: over the wheel while it is enabled.
    bool CrossCursorAt(Point point) const;
    // The hint ids to post for a cursor at `point`, in the page's order.
    std::vector<uint32_t> HintsAt(Point point) const;

    const ProfileRecord& Profile() const { return profile_; }
    // The checked mode button; none before the first refresh with a known mode.
    std::optional<LightingMode> CheckedMode() const { return checkedMode_; }
    const SliderState& Brightness() const { return brightness_; }
    const SliderState& BreathSpeed() const { return breathSpeed_; }
    bool ColourControlsOn() const { return colourControlsOn_; }
    bool PresetsEnabled() const { return colourControlsOn_; }
    std::optional<size_t> CheckedPreset() const { return checkedPreset_; }
    // Red, green, blue as the page holds them and as the three colour sliders show them.
    const std::array<uint32_t, kColourComponents>& Shown() const { return shown_; }
    // The three numbers beside the sliders.
    const std::array<uint32_t, kColourComponents>& Numbers() const { return numbers_; }
    uint32_t DisplayColour() const { return displayColour_; }

private:
    void SetColourControls(bool on);
    void TakeShown(uint32_t colour);
    void ShowNumbers() { numbers_ = shown_; }

    ProfileRecord& profile_;
    std::optional<LightingMode> checkedMode_;
    SliderState brightness_;
    SliderState breathSpeed_;
    bool colourControlsOn_ = true;
    std::optional<size_t> checkedPreset_;
    std::array<uint32_t, kColourComponents> shown_{};
    std::array<uint32_t, kColourComponents> numbers_{};
    uint32_t displayColour_ = 0;
};

} // namespace qx71
