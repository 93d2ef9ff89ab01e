#include "core/widgets/RegionShape.h"

#include <algorithm>

namespace qx71 {

bool PolygonContains(std::span<const Point> corners, Point pixel)
{
    // Doubled coordinates keep the pixel centre (x + 0.5, y + 0.5) in integers.
    const long long px = 2LL * pixel.x + 1;
    const long long py = 2LL * pixel.y + 1;
    bool inside = false;
    const size_t n = corners.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const long long xi = 2LL * corners[i].x, yi = 2LL * corners[i].y;
        const long long xj = 2LL * corners[j].x, yj = 2LL * corners[j].y;
        if ((yi > py) == (yj > py)) {
            continue;
        }
        // The edge crosses the row: is the crossing right of the point?
        const long long lhs = (px - xi) * (yj - yi);
        const long long rhs = (xj - xi) * (py - yi);
        if (yj > yi ? lhs < rhs : lhs > rhs) {
            inside = !inside;
        }
    }
    return inside;
}

std::vector<Rect> PolygonSpans(std::span<const Point> corners)
{
    std::vector<Rect> spans;
    const Rect box = BoundingRectOf(corners);
    for (int y = box.top; y < box.bottom; ++y) {
        int start = box.left;
        bool in = false;
        for (int x = box.left; x <= box.right; ++x) {
            const bool now = x < box.right && PolygonContains(corners, {x, y});
            if (now && !in) {
                start = x;
            } else if (!now && in) {
                spans.push_back({start, y, x, y + 1});
            }
            in = now;
        }
    }
    return spans;
}

Rect InnerBand(std::span<const Point> corners, int top, int bottom)
{
    const Rect box = BoundingRectOf(corners);
    int left = box.left;
    int right = box.right;
    for (int y = std::max(top, box.top); y < std::min(bottom, box.bottom); ++y) {
        int first = box.right;
        int end = box.left;
        for (int x = box.left; x < box.right; ++x) {
            if (PolygonContains(corners, {x, y})) {
                first = std::min(first, x);
                end = x + 1;
            }
        }
        left = std::max(left, first);
        right = std::min(right, end);
    }
    return {left, top, std::max(left, right), bottom};
}

std::vector<Point> CornersAtOrigin(std::span<const Point> corners)
{
    const Rect box = BoundingRectOf(corners);
    std::vector<Point> moved;
    moved.reserve(corners.size());
    for (const Point& p : corners) {
        moved.push_back({p.x - box.left, p.y - box.top});
    }
    return moved;
}

bool RegionHit(std::span<const Point> corners, Point local)
{
    const Rect box = BoundingRectOf(corners);
    const Rect localBox{0, 0, box.Width(), box.Height()};
    if (!localBox.Contains(local)) {
        return false;
    }
    return PolygonContains(corners, {local.x + box.left, local.y + box.top});
}

} // namespace qx71
