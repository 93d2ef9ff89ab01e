#pragma once

#include "core/widgets/Geometry.h"

#include <cstdint>

namespace qx71 {

// The colour the wheel shows at a pixel of the lighting page (0x00BBGGRR): the hue turns with
// the angle around the wheel's centre (red to the right, then yellow, green, cyan, blue and
// magenta counter-clockwise on screen), the saturation grows from white at the centre to the
// full colour at the rim, at full brightness. The skin generator paints the wheel with it;
// the page itself reads back what was painted.
uint32_t WheelColourAt(Point pixel);

} // namespace qx71
