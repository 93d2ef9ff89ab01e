#include "core/lighting/ColourWheel.h"

#include "core/lighting/LedColour.h"
#include "core/lighting/LedSetGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qx71 {

namespace {

constexpr double kFullTurn = 2.0 * std::numbers::pi;
constexpr double kHueSectors = 6.0;
constexpr double kMaxComponent = 255.0;

uint32_t ToByte(double unit)
{
    return static_cast<uint32_t>(std::lround(std::clamp(unit, 0.0, 1.0) * kMaxComponent));
}

} // namespace

uint32_t WheelColourAt(Point pixel)
{
    const Rect& wheel = ledset::kWheel;
    // Pixel centre relative to the wheel's centre, in units of the two radii; y grows upwards.
    const double x = (pixel.x + 0.5 - (wheel.left + wheel.right) / 2.0) / (wheel.Width() / 2.0);
    const double y = ((wheel.top + wheel.bottom) / 2.0 - (pixel.y + 0.5)) / (wheel.Height() / 2.0);
    const double saturation = std::min(1.0, std::hypot(x, y));
    double angle = std::atan2(y, x);
    if (angle < 0) {
        angle += kFullTurn;
    }
    const double h = angle / kFullTurn * kHueSectors; // 0..6
    const double c = saturation;
    const double second = c * (1.0 - std::fabs(std::fmod(h, 2.0) - 1.0));
    double r = 0;
    double g = 0;
    double b = 0;
    switch (static_cast<int>(h) % static_cast<int>(kHueSectors)) {
    case 0:
        r = c, g = second;
        break;
    case 1:
        r = second, g = c;
        break;
    case 2:
        g = c, b = second;
        break;
    case 3:
        g = second, b = c;
        break;
    case 4:
        r = second, b = c;
        break;
    default:
        r = c, b = second;
        break;
    }
    // Full brightness: what the saturation leaves out is white.
    const double white = 1.0 - c;
    return ColourFromRgb(ToByte(r + white), ToByte(g + white), ToByte(b + white));
}

} // namespace qx71
