#include "core/lighting/LedSetModel.h"

#include "core/lighting/LedSetGeometry.h"

namespace qx71 {

namespace {

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

std::optional<ColourComponent> ComponentOfSlider(uint32_t id)
{
    switch (id) {
    case ledset::kRedSliderId:
        return ColourComponent::Red;
    case ledset::kGreenSliderId:
        return ColourComponent::Green;
    case ledset::kBlueSliderId:
        return ColourComponent::Blue;
    default:
        return std::nullopt;
    }
}

struct HintControl {
    Rect rect;
    uint32_t hint;
};

// The controls in the order the page tests them for hints.
constexpr std::array<HintControl, 16> kHintOrder{{
    {ledset::ModeButton(LightingMode::Spe), InfoOf(LightingMode::Spe).hint},
    {ledset::ModeButton(LightingMode::ApmBreath), InfoOf(LightingMode::ApmBreath).hint},
    {ledset::ModeButton(LightingMode::Off), InfoOf(LightingMode::Off).hint},
    {ledset::ModeButton(LightingMode::NormalBreath), InfoOf(LightingMode::NormalBreath).hint},
    {ledset::kBreathSpeedSlider, ledset::kBreathSpeedHint},
    {ledset::ModeButton(LightingMode::Always), InfoOf(LightingMode::Always).hint},
    {ledset::kBrightnessSlider, ledset::kBrightnessHint},
    {ledset::kColourSliders[0], ledset::kColourSliderHint},
    {ledset::kColourSliders[1], ledset::kColourSliderHint},
    {ledset::kColourSliders[2], ledset::kColourSliderHint},
    {ledset::kLabelAreas[0].rect, ledset::kLabelAreas[0].hint},
    {ledset::kLabelAreas[1].rect, ledset::kLabelAreas[1].hint},
    {ledset::kLabelAreas[2].rect, ledset::kLabelAreas[2].hint},
    {ledset::kColourDisplay, ledset::kColourDisplayHint},
    {ledset::kLabelAreas[3].rect, ledset::kLabelAreas[3].hint},
    {ledset::kLabelAreas[4].rect, ledset::kLabelAreas[4].hint},
}};

} // namespace

LedSetModel::LedSetModel(ProfileRecord& profile) : profile_(profile) {}

void LedSetModel::RefreshLighting()
{
    if (const auto mode = LightingModeOf(profile_.ledMode)) {
        const LightingModeInfo& info = InfoOf(*mode);
        checkedMode_ = *mode;
        brightness_.enabled = info.usesBrightness;
        breathSpeed_.enabled = info.usesBreathSpeed;
        SetColourControls(info.usesColour);
    }
    breathSpeed_.value = profile_.ledBreathSpeed;
    brightness_.value = profile_.ledBrightness;
    checkedPreset_.reset();
    if (profile_.ledCustomColor == 0) {
        if (profile_.ledPresetIndex < 0 ||
            static_cast<size_t>(profile_.ledPresetIndex) >= kPresetCount) {
            profile_.ledPresetIndex = 0;
        }
        checkedPreset_ = static_cast<size_t>(profile_.ledPresetIndex);
        TakeShown(profile_.ledColor);
    }
    displayColour_ = profile_.ledColor;
}

void LedSetModel::SetColourControls(bool on)
{
    colourControlsOn_ = on;
    checkedPreset_.reset();
    if (on) {
        TakeShown(profile_.ledColor);
        ShowNumbers();
    } else {
        shown_ = {};
        numbers_ = {};
    }
}

void LedSetModel::TakeShown(uint32_t colour)
{
    shown_ = RgbOf(colour);
}

void LedSetModel::ChooseMode(LightingMode mode)
{
    profile_.ledMode = static_cast<int32_t>(mode);
    RefreshLighting();
}

bool LedSetModel::ChoosePreset(size_t index)
{
    if (index >= kPresetCount || !PresetsEnabled()) {
        return false;
    }
    profile_.ledColor = kPresetColors[index];
    profile_.ledPresetIndex = static_cast<int32_t>(index);
    profile_.ledCustomColor = 0;
    RefreshLighting();
    return true;
}

bool LedSetModel::SliderChanged(uint32_t sliderId, int value)
{
    if (const auto component = ComponentOfSlider(sliderId)) {
        if (!colourControlsOn_ || !InRange(value, ledset::kComponentMin, ledset::kComponentMax)) {
            return false;
        }
        shown_[static_cast<size_t>(*component)] = static_cast<uint32_t>(value);
        profile_.ledColor =
            WithComponent(profile_.ledColor, *component, static_cast<uint32_t>(value));
        displayColour_ = profile_.ledColor;
        profile_.ledCustomColor = 1;
        ShowNumbers();
        checkedPreset_.reset();
        return true;
    }
    if (sliderId == ledset::kBrightnessSliderId) {
        if (!brightness_.enabled ||
            !InRange(value, ledset::kBrightnessMin, ledset::kBrightnessMax)) {
            return false;
        }
        brightness_.value = value;
        profile_.ledBrightness = value;
        return true;
    }
    if (sliderId == ledset::kBreathSpeedSliderId) {
        if (!breathSpeed_.enabled ||
            !InRange(value, ledset::kBreathSpeedMin, ledset::kBreathSpeedMax)) {
            return false;
        }
        breathSpeed_.value = value;
        profile_.ledBreathSpeed = value;
        return true;
    }
    return false;
}

bool LedSetModel::PickWheelColour(Point point, uint32_t colourShown)
{
    if (!CrossCursorAt(point)) {
        return false;
    }
    profile_.ledCustomColor = 1;
    profile_.ledColor = colourShown & ColourFromRgb(kComponentMask, kComponentMask, kComponentMask);
    TakeShown(profile_.ledColor);
    displayColour_ = profile_.ledColor;
    ShowNumbers();
    return true;
}

bool LedSetModel::CrossCursorAt(Point point) const
{
    return colourControlsOn_ && ledset::WheelContains(point);
}

std::vector<uint32_t> LedSetModel::HintsAt(Point point) const
{
    std::vector<uint32_t> hints;
    for (const HintControl& control : kHintOrder) {
        if (control.rect.Grown(1).Contains(point)) {
            hints.push_back(control.hint);
        }
    }
    return hints;
}

} // namespace qx71
