// The lighting page offscreen on the skins the build drew: a click on the colour wheel stores
// exactly the colour the page shows there; the buttons and sliders reach the profile.
#include "core/lighting/LedColour.h"
#include "core/lighting/LedSetGeometry.h"
#include "support/gui/PageContextFixture.h"

#include "gui/lighting/CDlgLEDSet.h"
#include "gui/widgets/QtConvert.h"
#include "support/gui/QtTestHelpers.h"

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

using test::Drawn;
using test::Mouse;

uint32_t ColourOf(const QColor& c)
{
    return ColourFromRgb(static_cast<uint32_t>(c.red()), static_cast<uint32_t>(c.green()),
                         static_cast<uint32_t>(c.blue()));
}

class LightingPage : public ::testing::Test {
protected:
    LightingPage()
    {
        profile().ledMode = static_cast<int32_t>(LightingMode::Always);
        page = std::make_unique<CDlgLEDSet>(fixture.Context(), nullptr);
        page->show();
    }
    ProfileRecord& profile() { return fixture.store.CurrentProfile(); }
    void Click(QPoint at)
    {
        Mouse(page.get(), QEvent::MouseButtonPress, at);
        Mouse(page.get(), QEvent::MouseButtonRelease, at);
    }

    test::PageContextFixture fixture{QX71_TEST_INSTALL_DIR_TEXT};
    std::unique_ptr<CDlgLEDSet> page;
};

TEST_F(LightingPage, WheelClickStoresThePixelShown)
{
    // The centre, the rim on all four sides, and a point between.
    const QPoint points[] = {{831, 323}, {890, 323}, {771, 323},
                             {830, 264}, {830, 382}, {855, 300}};
    std::vector<uint32_t> taken;
    for (const QPoint& at : points) {
        ASSERT_TRUE(ledset::WheelContains({at.x(), at.y()}));
        const QColor shown = Drawn(*page).pixelColor(at);
        Click(at);
        EXPECT_EQ(profile().ledColor, ColourOf(shown)) << at.x() << "," << at.y();
        EXPECT_EQ(profile().ledCustomColor, 1);
        EXPECT_EQ(page->Model().DisplayColour(), ColourOf(shown));
        EXPECT_EQ(page->cursor().shape(), Qt::CrossCursor);
        taken.push_back(profile().ledColor);
    }
    // The wheel is really there: the centre is near white, the rims are far apart in colour.
    const auto centre = RgbOf(taken[0]);
    EXPECT_GT(centre[0] + centre[1] + centre[2], 3u * 240);
    EXPECT_NE(taken[1], taken[2]);
    EXPECT_NE(taken[3], taken[4]);
}

TEST_F(LightingPage, ClicksOffTheWheelOrInApmBreathChangeNothing)
{
    const uint32_t before = profile().ledColor;
    // Inside the wheel's box but off the ellipse, and just outside the box.
    for (const QPoint& at : {QPoint{773, 266}, QPoint{889, 381}, QPoint{770, 323}}) {
        Click(at);
        EXPECT_EQ(profile().ledColor, before) << at.x() << "," << at.y();
        EXPECT_NE(page->cursor().shape(), Qt::CrossCursor);
    }
    profile().ledMode = static_cast<int32_t>(LightingMode::ApmBreath);
    page->RefreshFromProfile();
    Click({831, 323});
    EXPECT_EQ(profile().ledColor, before);
    EXPECT_NE(page->cursor().shape(), Qt::CrossCursor);
}

TEST_F(LightingPage, PresetModeAndSliderReachTheProfile)
{
    const QRect swatch = ToQRect(ledset::PresetSwatch(9));
    QWidget* preset = page->childAt(swatch.center());
    ASSERT_NE(preset, nullptr);
    Mouse(preset, QEvent::MouseButtonPress, QPoint(5, 5));
    Mouse(preset, QEvent::MouseButtonRelease, QPoint(5, 5));
    EXPECT_EQ(profile().ledColor, 0xFAC101u);
    EXPECT_EQ(profile().ledPresetIndex, 9);
    EXPECT_EQ(profile().ledCustomColor, 0);

    const QRect off = ToQRect(ledset::ModeButton(LightingMode::Off));
    QWidget* offButton = page->childAt(off.center());
    ASSERT_NE(offButton, nullptr);
    Mouse(offButton, QEvent::MouseButtonPress, QPoint(5, 5));
    Mouse(offButton, QEvent::MouseButtonRelease, QPoint(5, 5));
    EXPECT_EQ(profile().ledMode, static_cast<int32_t>(LightingMode::Off));
    EXPECT_FALSE(preset->isEnabled());

    // Hints: a move over the brightness slider asks for 32.
    fixture.hints.clear();
    const QRect brightness = ToQRect(ledset::kBrightnessSlider);
    Mouse(page.get(), QEvent::MouseMove, brightness.topLeft() - QPoint(1, 1));
    EXPECT_EQ(fixture.hints, std::vector<int>{32});
}

} // namespace
} // namespace qx71::gui
