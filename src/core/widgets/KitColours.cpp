#include "core/widgets/KitColours.h"

#include <algorithm>
#include <cmath>

namespace qx71 {
namespace {

double Channel(uint8_t value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb c)
{
    return 0.2126 * Channel(c.r) + 0.7152 * Channel(c.g) + 0.0722 * Channel(c.b);
}

} // namespace

double ContrastRatio(Rgb a, Rgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace qx71
