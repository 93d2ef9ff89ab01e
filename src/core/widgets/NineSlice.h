#pragma once

#include "core/widgets/Geometry.h"

#include <array>

namespace qx71 {

// One piece of a nine-slice drawing: copy `source` of the image into `target`.
struct SlicePiece {
    Rect source;
    Rect target;
};

// The nine pieces that scale an image of size `image` to `target`: the four corners copied
// unscaled, the edges stretched along their length, the centre both ways. The corner is
// limited to half of the smaller side of either size, so pieces never overlap. Empty pieces
// (width or height 0) are kept in place; the painter skips them.
std::array<SlicePiece, 9> NineSlice(Size image, Size target, int corner);

} // namespace qx71
