#pragma once

#include "core/widgets/Geometry.h"

namespace qx71::popupmenu {

// The layered popup menus: items in one column, 22 pixels high, from 6 pixels below the top,
// with 3 pixels under the last.
inline constexpr int kItemHeight = 22;
inline constexpr int kTopMargin = 6;
inline constexpr int kBottomMargin = 3;
inline constexpr int kSideMargin = 3;
// The language menu's width and the corner size its background is scaled with.
inline constexpr int kLanguageMenuWidth = 116;
inline constexpr int kBackgroundCorner = 8;
// Room inside an item: the icon 3 pixels in, the text 4 pixels after it.
inline constexpr int kIconLeft = 3;
inline constexpr int kTextGap = 4;
// The language menu's text is smaller than the kit's, so that "Portuguese" and
// "Trad.Chinese" fit beside their flags in its fixed width.
inline constexpr int kLanguageMenuTextHeight = 12;
inline constexpr int kSubMenuArrowWidth = 14;
// The column of the ticks of checked items, and the tick's line width.
inline constexpr int kCheckMarkWidth = 12;
inline constexpr int kCheckMarkStroke = 2;

constexpr int HeightFor(int itemCount)
{
    return kTopMargin + itemCount * kItemHeight + kBottomMargin;
}

// The item's rectangle inside a popup of the given width.
constexpr Rect ItemRect(int index, int width)
{
    const int top = kTopMargin + index * kItemHeight;
    return {kSideMargin, top, width - kSideMargin, top + kItemHeight};
}

// The item under a point of the popup, or -1.
constexpr int ItemAt(Point p, int itemCount, int width)
{
    if (p.x < kSideMargin || p.x >= width - kSideMargin || p.y < kTopMargin) {
        return -1;
    }
    const int index = (p.y - kTopMargin) / kItemHeight;
    return index < itemCount ? index : -1;
}

// A menu's width for its widest text and its icons.
constexpr int WidthFor(int widestText, int iconWidth, bool hasSubMenus)
{
    return 2 * kSideMargin + kIconLeft + (iconWidth > 0 ? iconWidth + kTextGap : 0) + widestText +
           kTextGap + (hasSubMenus ? kSubMenuArrowWidth : 0);
}

// Where a popup of `size` opens when asked to open at `topLeft` on `screen`: moved left and up
// by what would stick out past the screen's right and bottom edges, so that every item can be
// reached, but never past the screen's left and top edges.
constexpr Point KeepOnScreen(Point topLeft, Size size, const Rect& screen)
{
    Point p = topLeft;
    if (p.x + size.width > screen.right) {
        p.x = screen.right - size.width;
    }
    if (p.y + size.height > screen.bottom) {
        p.y = screen.bottom - size.height;
    }
    p.x = p.x < screen.left ? screen.left : p.x;
    p.y = p.y < screen.top ? screen.top : p.y;
    return p;
}

} // namespace qx71::popupmenu
