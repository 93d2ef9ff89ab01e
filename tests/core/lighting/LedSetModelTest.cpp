#include "core/lighting/LedSetModel.h"

#include "core/config/ProfileDefaults.h"
#include "core/config/WritePass.h"
#include "core/lighting/LedSetGeometry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qx71 {
namespace {

using Rgb = std::array<uint32_t, 3>;

class LedSetModelTest : public ::testing::Test {
protected:
    ProfileRecord profile = DefaultProfile(false);
    LedSetModel page{profile};

    void ExpectPresetsUnchecked() { EXPECT_FALSE(page.CheckedPreset().has_value()); }
};

// A point well inside the wheel, and one inside its bounding box but off the ellipse.
constexpr Point kOnWheel{831, 323};
constexpr Point kWheelBoxCorner{772, 265};

TEST(LightingPresets, TheTwentySixColours)
{
    // index, red, green, blue, stored value
    const std::tuple<size_t, uint32_t, uint32_t, uint32_t, uint32_t> table[] = {
        {0, 250, 5, 126, 0x7E05FA},   {1, 250, 18, 0, 0x0012FA},    {2, 248, 121, 1, 0x0179F8},
        {3, 249, 237, 0, 0x00EDF9},   {4, 193, 240, 9, 0x09F0C1},   {5, 39, 249, 0, 0x00F927},
        {6, 24, 164, 42, 0x2AA418},   {7, 19, 231, 147, 0x93E713},  {8, 13, 233, 223, 0xDFE90D},
        {9, 1, 193, 250, 0xFAC101},   {10, 5, 142, 250, 0xFA8E05},  {11, 0, 111, 249, 0xF96F00},
        {12, 36, 0, 248, 0xF80024},   {13, 90, 24, 227, 0xE3185A},  {14, 127, 27, 226, 0xE21B7F},
        {15, 193, 24, 226, 0xE218C1}, {16, 230, 250, 84, 0x54FAE6}, {17, 0, 185, 48, 0x30B900},
        {18, 250, 99, 125, 0x7D63FA}, {19, 196, 59, 35, 0x233BC4},  {20, 222, 3, 22, 0x1603DE},
        {21, 23, 122, 173, 0xAD7A17}, {22, 0, 185, 18, 0x12B900},   {23, 74, 90, 192, 0xC05A4A},
        {24, 111, 78, 238, 0xEE4E6F}, {25, 1, 84, 185, 0xB95401},
    };
    ASSERT_EQ(std::size(table), kPresetCount);
    for (const auto& [index, red, green, blue, stored] : table) {
        EXPECT_EQ(kPresetColors[index], stored) << index;
        EXPECT_EQ(ColourFromRgb(red, green, blue), stored) << index;
        EXPECT_EQ(RgbOf(stored), (Rgb{red, green, blue})) << index;
    }
}

TEST(LightingModes, TooltipsHintsAndCommandNames)
{
    // code, tooltip, hint, command-line name
    const std::tuple<int32_t, const char*, uint32_t, const char*> table[] = {
        {1, "str_led_brealways", 31, "always"},  {2, "str_led_norbre", 29, "breath"},
        {3, "str_led_apmbre", 27, "apm-breath"}, {4, "str_ledspe", 26, "spectrum"},
        {5, "str_led_off", 28, "off"},
    };
    for (const auto& [code, tooltip, hint, name] : table) {
        const auto mode = LightingModeOf(code);
        ASSERT_TRUE(mode) << code;
        EXPECT_EQ(InfoOf(*mode).tooltipKey, tooltip);
        EXPECT_EQ(InfoOf(*mode).hint, hint);
        EXPECT_EQ(LightingModeNamed(name), mode);
    }
    EXPECT_FALSE(LightingModeOf(0));
    EXPECT_FALSE(LightingModeOf(6));
    EXPECT_FALSE(LightingModeNamed("Always"));
}

TEST_F(LedSetModelTest, FreshDefaultProfileShowsSpectrumWithColourControlsOff)
{
    page.RefreshLighting();
    EXPECT_EQ(page.CheckedMode(), LightingMode::Spe);
    EXPECT_FALSE(page.Brightness().enabled);
    EXPECT_FALSE(page.BreathSpeed().enabled);
    EXPECT_EQ(page.Brightness().value, 5);
    EXPECT_EQ(page.BreathSpeed().value, 3);
    EXPECT_FALSE(page.ColourControlsOn());
    EXPECT_FALSE(page.PresetsEnabled());
    EXPECT_EQ(page.DisplayColour(), 0x0000FFu); // red
    EXPECT_EQ(page.Shown(), (Rgb{0, 0, 0}));
    EXPECT_EQ(page.Numbers(), (Rgb{0, 0, 0}));
    ExpectPresetsUnchecked();
    EXPECT_FALSE(page.CrossCursorAt(kOnWheel));
}

TEST_F(LedSetModelTest, ModesSetTheSlidersAndColourControls)
{
    // mode, brightness enabled, speed enabled, colour controls
    const std::tuple<LightingMode, bool, bool, bool> table[] = {
        {LightingMode::Always, true, false, true},
        {LightingMode::NormalBreath, false, true, true},
        {LightingMode::ApmBreath, false, false, false},
        {LightingMode::Spe, false, false, false},
        {LightingMode::Off, false, false, false},
    };
    profile.ledColor = 0x123456;
    for (const auto& [mode, brightness, speed, colour] : table) {
        page.ChooseMode(mode);
        EXPECT_EQ(profile.ledMode, static_cast<int32_t>(mode));
        EXPECT_EQ(page.CheckedMode(), mode);
        EXPECT_EQ(page.Brightness().enabled, brightness);
        EXPECT_EQ(page.BreathSpeed().enabled, speed);
        EXPECT_EQ(page.ColourControlsOn(), colour);
        EXPECT_EQ(page.Shown(), (colour ? Rgb{0x56, 0x34, 0x12} : Rgb{0, 0, 0}));
        EXPECT_EQ(page.Numbers(), page.Shown());
        EXPECT_EQ(page.DisplayColour(), 0x123456u);
    }
}

TEST_F(LedSetModelTest, PresetNineInModeAlways)
{
    page.ChooseMode(LightingMode::Always);
    ASSERT_TRUE(page.ChoosePreset(9));
    EXPECT_EQ(profile.ledColor, 0xFAC101u);
    EXPECT_EQ(profile.ledPresetIndex, 9);
    EXPECT_EQ(profile.ledCustomColor, 0);
    EXPECT_EQ(page.CheckedPreset(), 9u);
    EXPECT_EQ(page.Shown(), (Rgb{1, 193, 250}));
    EXPECT_EQ(page.Numbers(), (Rgb{1, 193, 250}));
    EXPECT_EQ(page.DisplayColour(), 0xFAC101u);

    // Shown again later: the preset is still the checked one.
    page.RefreshLighting();
    EXPECT_EQ(page.CheckedPreset(), 9u);
}

TEST_F(LedSetModelTest, GreenSliderAfterAPresetKeepsRedAndBlueAndUnchecksIt)
{
    page.ChooseMode(LightingMode::NormalBreath);
    ASSERT_TRUE(page.ChoosePreset(9));
    ASSERT_TRUE(page.SliderChanged(ledset::kGreenSliderId, 128));
    EXPECT_EQ(profile.ledColor, ColourFromRgb(1, 128, 250));
    EXPECT_EQ(profile.ledCustomColor, 1);
    EXPECT_EQ(profile.ledPresetIndex, 9); // only the display's memory; no longer in force
    ExpectPresetsUnchecked();
    EXPECT_EQ(page.Shown(), (Rgb{1, 128, 250}));
    EXPECT_EQ(page.Numbers(), (Rgb{1, 128, 250}));
    EXPECT_EQ(page.DisplayColour(), ColourFromRgb(1, 128, 250));
    page.RefreshLighting();
    ExpectPresetsUnchecked();
}

TEST_F(LedSetModelTest, SlidersStoreOnlyWhileEnabledAndInRange)
{
    page.ChooseMode(LightingMode::Always);
    EXPECT_TRUE(page.SliderChanged(ledset::kBrightnessSliderId, 7));
    EXPECT_EQ(profile.ledBrightness, 7);
    EXPECT_EQ(page.Brightness().value, 7);
    const uint32_t colour = profile.ledColor;
    // id, value: each refused and nothing changes
    const std::pair<uint32_t, int> refused[] = {
        {ledset::kBrightnessSliderId, 0},
        {ledset::kBrightnessSliderId, 11},
        {ledset::kBreathSpeedSliderId, 3}, // disabled in Always
        {ledset::kRedSliderId, 256},
        {ledset::kBlueSliderId, -1},
        {772, 5}, // a number box, not a slider
    };
    for (const auto& [id, value] : refused) {
        EXPECT_FALSE(page.SliderChanged(id, value)) << id << " " << value;
    }
    EXPECT_EQ(profile.ledBrightness, 7);
    EXPECT_EQ(profile.ledBreathSpeed, 3);
    EXPECT_EQ(profile.ledColor, colour);

    page.ChooseMode(LightingMode::NormalBreath);
    EXPECT_TRUE(page.SliderChanged(ledset::kBreathSpeedSliderId, 5));
    EXPECT_EQ(profile.ledBreathSpeed, 5);
    EXPECT_EQ(page.Brightness().value, 7); // kept on the disabled slider

    page.ChooseMode(LightingMode::Off);
    EXPECT_FALSE(page.SliderChanged(ledset::kRedSliderId, 9));
    EXPECT_FALSE(page.ChoosePreset(3));
    EXPECT_EQ(profile.ledColor, colour);
    EXPECT_FALSE(page.ChoosePreset(26));
}

TEST_F(LedSetModelTest, ApmBreathIgnoresTheWheelAndStillSendsTheColour)
{
    profile.ledColor = 0xFAC101;
    page.ChooseMode(LightingMode::ApmBreath);
    EXPECT_FALSE(page.PickWheelColour(kOnWheel, 0x00FF00));
    EXPECT_FALSE(page.CrossCursorAt(kOnWheel));
    EXPECT_EQ(profile.ledColor, 0xFAC101u);
    EXPECT_EQ(profile.ledCustomColor, 1);
    EXPECT_EQ(LedEffectBytes(profile), (std::array<uint8_t, 3>{3, 2, 3}));
}

TEST_F(LedSetModelTest, UnknownModeIsSentAsOffAndLeavesTheButtonsAsTheyWere)
{
    page.ChooseMode(LightingMode::Always);
    profile.ledMode = 0;
    profile.ledBrightness = 9;
    page.RefreshLighting();
    EXPECT_EQ(page.CheckedMode(), LightingMode::Always);
    EXPECT_TRUE(page.Brightness().enabled);
    EXPECT_TRUE(page.ColourControlsOn());
    EXPECT_EQ(page.Brightness().value, 9);
    EXPECT_EQ(LedEffectBytes(profile), (std::array<uint8_t, 3>{0, 0, 0}));
}

TEST_F(LedSetModelTest, PresetIndexOutOfRangeBecomesPresetZero)
{
    profile.ledMode = 1;
    profile.ledCustomColor = 0;
    profile.ledPresetIndex = 30;
    profile.ledColor = 0x00ABCD;
    page.RefreshLighting();
    EXPECT_EQ(page.CheckedPreset(), 0u);
    EXPECT_EQ(profile.ledPresetIndex, 0);
    // The colour stays what the file says; only the checked button is repaired.
    EXPECT_EQ(profile.ledColor, 0x00ABCDu);
}

TEST_F(LedSetModelTest, PresetInAModeWithoutColourShowsItOnTheSlidersOnly)
{
    // Turning the colour controls off zeroes the numbers; the stored preset then puts its
    // colour on the (disabled) sliders but not into the numbers.
    profile.ledMode = 3;
    profile.ledCustomColor = 0;
    profile.ledPresetIndex = 9;
    profile.ledColor = 0xFAC101;
    page.RefreshLighting();
    EXPECT_EQ(page.CheckedPreset(), 9u);
    EXPECT_EQ(page.Shown(), (Rgb{1, 193, 250}));
    EXPECT_EQ(page.Numbers(), (Rgb{0, 0, 0}));
}

TEST_F(LedSetModelTest, WheelPickTakesTheColourShownInsideTheEllipseOnly)
{
    page.ChooseMode(LightingMode::Always);
    ASSERT_TRUE(page.ChoosePreset(4));
    const uint32_t before = profile.ledColor;
    // The box's corner is outside the ellipse, and so is anything outside the box.
    for (Point outside :
         {kWheelBoxCorner, Point{770, 323}, Point{891, 323}, Point{831, 263}, Point{831, 383}}) {
        EXPECT_FALSE(page.PickWheelColour(outside, 0x00FF00)) << outside.x << "," << outside.y;
        EXPECT_FALSE(page.CrossCursorAt(outside));
    }
    EXPECT_EQ(profile.ledColor, before);
    EXPECT_EQ(profile.ledCustomColor, 0);

    ASSERT_TRUE(page.PickWheelColour(kOnWheel, 0x204080));
    EXPECT_TRUE(page.CrossCursorAt(kOnWheel));
    EXPECT_EQ(profile.ledColor, 0x204080u);
    EXPECT_EQ(profile.ledCustomColor, 1);
    EXPECT_EQ(page.Shown(), (Rgb{0x80, 0x40, 0x20}));
    EXPECT_EQ(page.Numbers(), page.Shown());
    EXPECT_EQ(page.DisplayColour(), 0x204080u);
    // The preset keeps its mark until the page is refreshed.
    EXPECT_EQ(page.CheckedPreset(), 4u);
    page.RefreshLighting();
    ExpectPresetsUnchecked();

    // Only the colour bytes are taken from what is shown.
    ASSERT_TRUE(page.PickWheelColour(kOnWheel, 0xFF112233));
    EXPECT_EQ(profile.ledColor, 0x112233u);
}

TEST(LedSetWheel, EllipseEdges)
{
    // The box (771, 264)-(891, 383): 120 wide, 119 high, centre (831, 323.5).
    const std::pair<Point, bool> cases[] = {
        {{830, 323}, true},  {{771, 323}, true},  {{770, 323}, false}, {{890, 323}, true},
        {{891, 323}, false}, {{830, 264}, true},  {{830, 263}, false}, {{830, 382}, true},
        {{830, 383}, false}, {{771, 264}, false}, {{890, 382}, false}, {{790, 283}, true},
        {{781, 272}, false},
    };
    for (const auto& [p, inside] : cases) {
        EXPECT_EQ(ledset::WheelContains(p), inside) << p.x << "," << p.y;
    }
}

TEST(LedSetHints, ControlsInThePageOrderGrownByOnePixel)
{
    using ledset::kColourSliders;
    using ledset::kLabelAreas;
    const Rect always = ledset::ModeButton(LightingMode::Always);
    const Rect spe = ledset::ModeButton(LightingMode::Spe);
    const std::pair<Point, std::vector<uint32_t>> cases[] = {
        {{spe.left, spe.top}, {26}},
        {{spe.left - 1, spe.top - 1}, {26}}, // the grown pixel
        {{spe.left - 2, spe.top}, {}},
        {{always.right, always.bottom}, {31}}, // right and bottom edges grown by one
        {{always.right + 1, always.top}, {}},
        {{ledset::ModeButton(LightingMode::ApmBreath).left + 5,
          ledset::ModeButton(LightingMode::ApmBreath).top + 5},
         {27}},
        {{ledset::ModeButton(LightingMode::Off).left + 5,
          ledset::ModeButton(LightingMode::Off).top + 5},
         {28}},
        {{ledset::ModeButton(LightingMode::NormalBreath).left + 5,
          ledset::ModeButton(LightingMode::NormalBreath).top + 5},
         {29}},
        {{ledset::kBreathSpeedSlider.left + 1, ledset::kBreathSpeedSlider.top + 1}, {76}},
        {{ledset::kBrightnessSlider.left + 1, ledset::kBrightnessSlider.top + 1}, {32}},
        {{kColourSliders[0].left + 1, kColourSliders[0].top + 1}, {39}},
        {{kColourSliders[1].left + 1, kColourSliders[1].top + 1}, {39}},
        {{kColourSliders[2].left + 1, kColourSliders[2].top + 1}, {39}},
        {{kLabelAreas[0].rect.left + 1, kLabelAreas[0].rect.top + 1}, {75}},
        {{kLabelAreas[1].rect.left + 1, kLabelAreas[1].rect.top + 1}, {81}},
        {{kLabelAreas[2].rect.left + 1, kLabelAreas[2].rect.top + 1}, {82}},
        {{ledset::kColourDisplay.left + 1, ledset::kColourDisplay.top + 1}, {83}},
        {{kLabelAreas[3].rect.left + 1, kLabelAreas[3].rect.top + 1}, {84}},
        {{kLabelAreas[4].rect.left + 1, kLabelAreas[4].rect.top + 1}, {85}},
        // Presets and the wheel carry no hint.
        {{ledset::PresetSwatch(9).left + 3, ledset::PresetSwatch(9).top + 3}, {}},
        {{831, 323}, {}},
    };
    ProfileRecord profile = DefaultProfile(false);
    const LedSetModel page(profile);
    for (const auto& [p, hints] : cases) {
        EXPECT_EQ(page.HintsAt(p), hints) << p.x << "," << p.y;
    }
}

TEST(LedSetGeometry, ControlsLieOnThePageAndDoNotOverlap)
{
    std::vector<Rect> rects(ledset::kModeButtons.begin(), ledset::kModeButtons.end());
    rects.insert(rects.end(),
                 {ledset::kBrightnessSlider, ledset::kBreathSpeedSlider, ledset::kColourDisplay,
                  ledset::kWheel, ledset::kBrightnessCaption, ledset::kBreathSpeedCaption});
    rects.insert(rects.end(), ledset::kColourSliders.begin(), ledset::kColourSliders.end());
    rects.insert(rects.end(), ledset::kColourNumbers.begin(), ledset::kColourNumbers.end());
    rects.insert(rects.end(), ledset::kColourLetters.begin(), ledset::kColourLetters.end());
    for (const auto& label : ledset::kLabelAreas) {
        rects.push_back(label.rect);
    }
    for (size_t k = 0; k < kPresetCount; ++k) {
        rects.push_back(ledset::PresetSwatch(k));
    }
    const Rect page{0, 0, ledset::kPageSize.width, ledset::kPageSize.height};
    for (size_t i = 0; i < rects.size(); ++i) {
        const Rect& a = rects[i];
        EXPECT_TRUE(a.Width() > 0 && a.Height() > 0) << i;
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= page.right && a.bottom <= page.bottom)
            << i;
        for (size_t j = i + 1; j < rects.size(); ++j) {
            const Rect& b = rects[j];
            const bool apart =
                a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
            EXPECT_TRUE(apart) << i << " overlaps " << j;
        }
    }
    // Rows of seven, seven, seven and five, index 0 top left.
    EXPECT_EQ(ledset::PresetSwatch(0).top, ledset::PresetSwatch(6).top);
    EXPECT_LT(ledset::PresetSwatch(6).top, ledset::PresetSwatch(7).top);
    EXPECT_EQ(ledset::PresetSwatch(7).left, ledset::PresetSwatch(0).left);
    EXPECT_EQ(ledset::PresetSwatch(21).left, ledset::PresetSwatch(0).left);
    EXPECT_EQ(ledset::PresetSwatch(25).top, ledset::PresetSwatch(21).top);
}

} // namespace
} // namespace qx71
