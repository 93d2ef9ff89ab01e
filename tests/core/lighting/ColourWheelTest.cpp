#include "core/lighting/ColourWheel.h"

#include "core/lighting/LedColour.h"
#include "core/lighting/LedSetGeometry.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

struct Expected {
    Point pixel;
    uint32_t red, green, blue;
    const char* where;
};

TEST(ColourWheel, WhiteInTheMiddleFullColoursAtTheRim)
{
    // Worked out by hand at the pixel centres; one step allowed for rounding.
    const Expected cases[] = {
        {{890, 323}, 255, 2, 2, "right rim: red"},
        {{771, 323}, 2, 255, 255, "left rim: cyan"},
        {{830, 264}, 127, 255, 2, "top rim: between yellow and green"},
        {{830, 382}, 127, 2, 255, "bottom rim: between blue and magenta"},
        {{831, 323}, 255, 254, 252, "centre: white"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ledset::WheelContains(c.pixel)) << c.where;
        const auto rgb = RgbOf(WheelColourAt(c.pixel));
        EXPECT_NEAR(rgb[0], c.red, 1) << c.where;
        EXPECT_NEAR(rgb[1], c.green, 1) << c.where;
        EXPECT_NEAR(rgb[2], c.blue, 1) << c.where;
    }
}

TEST(ColourWheel, NeighbouringPixelsDiffer)
{
    // The pick must be able to tell points apart: along the middle row the colour changes at
    // nearly every pixel.
    int changes = 0;
    uint32_t previous = WheelColourAt({771, 323});
    for (int x = 772; x < 891; ++x) {
        const uint32_t colour = WheelColourAt({x, 323});
        changes += colour != previous ? 1 : 0;
        previous = colour;
    }
    EXPECT_GT(changes, 110);
}

} // namespace
} // namespace qx71
