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

// The caption keeps this far inside the region's edges, slanted ones too.
inline constexpr int kCaptionInset = 4;
// The caption's left edge in the band of the region its line covers (InnerBand): the anchor
// while the caption lies inside the band, kCaptionInset to spare on each side; else (a
// language whose words are longer than the rough centring allows for, or a slanted edge
// under the anchor) centred in the band, so no edge cuts or touches it.
constexpr int CaptionLeft(int anchorX, int textWidth, int bandLeft, int bandRight)
{
    const int low = bandLeft + kCaptionInset;
    const int high = bandRight - kCaptionInset;
    if (anchorX >= low && anchorX + textWidth <= high) {
        return anchorX;
    }
    return low + (high - low - textWidth) / 2;
}

// The columns inside the polygon on every row from `top` to `bottom` (exclusive): the band a
// line of text there may use. Left equals right when the rows share none.
Rect InnerBand(std::span<const Point> corners, int top, int bottom);

// The centre of a button of the given size, in its own coordinates.
constexpr Point RegionCentre(Size size)
{
    return {size.width / 2, size.height / 2};
}

} // namespace qx71
