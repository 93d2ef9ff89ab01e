#pragma once

#include "core/app/MainWindowGeometry.h"
#include "core/lighting/LedColour.h"
#include "core/lighting/LightingMode.h"
#include "core/widgets/Geometry.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace qx71::ledset {

// The lighting page's layout in page client pixels. The page sheets (Light/LedSet_normal,
// _down, _over) are drawn at exactly kPageSize from this table, and each control's images are
// cut from them at its rectangle.
inline constexpr Size kPageSize{mainwindow::kPageArea.Width(), mainwindow::kPageArea.Height()};

// The page sheets under skins/.
inline constexpr std::string_view kSheetNormal = "Light/LedSet_normal.bmp";
inline constexpr std::string_view kSheetDown = "Light/LedSet_down.bmp";
inline constexpr std::string_view kSheetOver = "Light/LedSet_over.bmp";

// Indexed by mode code - 1 (Always, NormalBreath, ApmBreath, Spe, Off).
inline constexpr std::array<Rect, kLightingModes> kModeButtons{{
    {40, 60, 280, 96},
    {40, 106, 280, 142},
    {40, 152, 280, 188},
    {40, 198, 280, 234},
    {40, 244, 280, 280},
}};

constexpr const Rect& ModeButton(LightingMode mode)
{
    return kModeButtons[static_cast<size_t>(mode) - 1];
}

// Slider identifiers, carried by their change notices.
inline constexpr uint32_t kRedSliderId = 769;
inline constexpr uint32_t kGreenSliderId = 770;
inline constexpr uint32_t kBlueSliderId = 771;
inline constexpr uint32_t kRedNumberId = 772;
inline constexpr uint32_t kGreenNumberId = 773;
inline constexpr uint32_t kBlueNumberId = 774;
inline constexpr uint32_t kBrightnessSliderId = 777;
inline constexpr uint32_t kBreathSpeedSliderId = 778;

inline constexpr int kBrightnessMin = 1;
inline constexpr int kBrightnessMax = 10;
inline constexpr int kBreathSpeedMin = 1;
inline constexpr int kBreathSpeedMax = 5;
inline constexpr int kComponentMin = 0;
inline constexpr int kComponentMax = 255;

// Each slider's caption is painted above it on the page.
inline constexpr Rect kBrightnessCaption{40, 300, 280, 318};
inline constexpr Rect kBrightnessSlider{40, 322, 280, 342};
inline constexpr Rect kBreathSpeedCaption{40, 364, 280, 382};
inline constexpr Rect kBreathSpeedSlider{40, 386, 280, 406};

// Red, green, blue.
inline constexpr std::array<Rect, kColourComponents> kColourSliders{{
    {360, 284, 540, 304},
    {360, 324, 540, 344},
    {360, 364, 540, 384},
}};
inline constexpr std::array<Rect, kColourComponents> kColourNumbers{{
    {552, 282, 596, 306},
    {552, 322, 596, 346},
    {552, 362, 596, 386},
}};
// The "R", "G", "B" letters painted left of the sliders.
inline constexpr std::array<Rect, kColourComponents> kColourLetters{{
    {332, 284, 352, 304},
    {332, 324, 352, 344},
    {332, 364, 352, 384},
}};

inline constexpr Rect kColourDisplay{771, 96, 891, 176};

// The preset swatches: rows of seven (7, 7, 7, 5), index 0 top left.
inline constexpr int kPresetsPerRow = 7;
inline constexpr Point kPresetOrigin{340, 90};
inline constexpr int kPresetSide = 28;
inline constexpr int kPresetPitch = 36;

constexpr Rect PresetSwatch(size_t index)
{
    const int column = static_cast<int>(index % kPresetsPerRow);
    const int row = static_cast<int>(index / kPresetsPerRow);
    const int left = kPresetOrigin.x + kPresetPitch * column;
    const int top = kPresetOrigin.y + kPresetPitch * row;
    return {left, top, left + kPresetSide, top + kPresetSide};
}

// The caption-less buttons over the labels painted on the page, with their hint ids (which
// name the UiStrings text of the label).
struct LabelArea {
    uint32_t hint;
    Rect rect;
    const char* textKey;
};
inline constexpr uint32_t kBacklightHint = 75;
inline constexpr uint32_t kColourSettingHint = 81;
inline constexpr uint32_t kCurrentColourHint = 82;
inline constexpr uint32_t kPresetColourHint = 84;
inline constexpr uint32_t kCustomColourHint = 85;
inline constexpr std::array<LabelArea, 5> kLabelAreas{{
    {kBacklightHint, {24, 16, 300, 44}, "str_backlight"},
    {kColourSettingHint, {320, 16, 900, 44}, "str_color_setting"},
    {kCurrentColourHint, {630, 56, 900, 80}, "str_cur_color"},
    {kPresetColourHint, {330, 56, 600, 80}, "str_preset_color"},
    {kCustomColourHint, {330, 244, 600, 268}, "str_custom_color"},
}};

inline constexpr uint32_t kBreathSpeedHint = 76;
inline constexpr uint32_t kBrightnessHint = 32;
inline constexpr uint32_t kColourSliderHint = 39;
inline constexpr uint32_t kColourDisplayHint = 83;

// The colour wheel: the ellipse with this bounding box.
inline constexpr Rect kWheel{771, 264, 891, 383};

// Whether a pixel belongs to the wheel: its centre lies inside the ellipse. In integers, with
// every length doubled so that the half-pixel centres stay whole.
constexpr bool WheelContains(Point p)
{
    const int64_t w = kWheel.Width();
    const int64_t h = kWheel.Height();
    const int64_t dx = 2 * static_cast<int64_t>(p.x) + 1 - (kWheel.left + kWheel.right);
    const int64_t dy = 2 * static_cast<int64_t>(p.y) + 1 - (kWheel.top + kWheel.bottom);
    return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
}

} // namespace qx71::ledset
