#pragma once

#include "core/widgets/Geometry.h"

#include <cstddef>
#include <span>
#include <vector>

namespace qx71 {

// The pixels of an irregular button. A pixel belongs to the polygon when its centre lies
// inside (even-odd rule). The view's window mask, its hit test and the skin generator's
// drawn face all come from this one rule, so they agree to the pixel.
bool PolygonContains(std::span<const Point> corners, Point pixel);

// The polygon's pixels as horizontal runs, one Rect of height 1 per run, in the polygon's own
// coordinates (not moved to the origin).
std::vector<Rect> PolygonSpans(std::span<const Point> corners);

// The hit test of a region button: inside the bounding box and inside the region. The point
// is in the button's own coordinates, the corners moved so the bounding box starts at 0, 0.
bool RegionHit(std::span<const Point> corners, Point local);

// The corners moved so that their bounding box starts at the origin.
std::vector<Point> CornersAtOrigin(std::span<const Point> corners);

// Where a region button's caption starts (its top-left), from the centre of the button and
// the caption's length in characters: a rough centring for the skin's 14-pixel font.
constexpr Point CaptionAnchor(Point centre, int characters)
{
    const int shift = characters > 5 ? 3 * characters : 6 * characters;
    return {centre.x - shift + 5, centre.y - 6};
}

// The caption's left edge: the anchor while the caption ends at least kCaptionMargin inside
// the button; a longer caption (a language whose words are longer than the rough centring
// allows for) is centred instead, so it is not cut by the button's edge.
inline constexpr int kCaptionMargin = 12;
constexpr int CaptionLeft(int anchorX, int textWidth, int boxWidth)
{
    if (anchorX + textWidth <= boxWidth - kCaptionMargin) {
        return anchorX;
    }
    const int centred = (boxWidth - textWidth) / 2;
    return centred < anchorX ? centred : anchorX;
}

// The centre of a button of the given size, in its own coordinates.
constexpr Point RegionCentre(Size size)
{
    return {size.width / 2, size.height / 2};
}

} // namespace qx71
