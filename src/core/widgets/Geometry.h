#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace qx71 {

// Plain pixel geometry shared by the views, their models and the skin generator, so that a
// drawn face and the rectangle of its control can never disagree. Client-area pixels.
struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

// Left and top inside, right and bottom outside, as window rectangles are.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(Point p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr Rect Grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The corner points of an irregular button, in order.
template <std::size_t N> using Polygon = std::array<Point, N>;
using Quad = Polygon<4>;

// The bounding rectangle of a polygon: the window rectangle of an irregular button.
constexpr Rect BoundingRectOf(std::span<const Point> corners)
{
    if (corners.empty()) {
        return {};
    }
    Rect r{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const Point& p : corners) {
        r.left = p.x < r.left ? p.x : r.left;
        r.top = p.y < r.top ? p.y : r.top;
        r.right = p.x > r.right ? p.x : r.right;
        r.bottom = p.y > r.bottom ? p.y : r.bottom;
    }
    return r;
}
template <std::size_t N> constexpr Rect BoundingRect(const Polygon<N>& corners)
{
    return BoundingRectOf(std::span<const Point>(corners));
}

} // namespace qx71
