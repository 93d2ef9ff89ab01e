#pragma once

#include "core/widgets/Geometry.h"

#include <string_view>

namespace qx71::scrollbar {

// The skinned scroll bars' one sheet: arrows (normal and pressed), track and thumb of both
// orientations, cut by these rectangles. The track is stretched, the thumb scaled by nine
// slices with kThumbCorner.
inline constexpr std::string_view kSheet = "ScrollBar.png";
inline constexpr Size kSheetSize{64, 48};
inline constexpr int kBreadth = 16; // width of a vertical bar, height of a horizontal one
inline constexpr int kThumbCorner = 4;
inline constexpr int kMinimumThumb = 12;

struct Parts {
    Rect lineUp, lineUpPressed, lineDown, lineDownPressed, track, thumb;
};
inline constexpr Parts kVertical{{0, 0, 16, 16},   {16, 0, 32, 16}, {0, 16, 16, 32},
                                 {16, 16, 32, 32}, {0, 32, 16, 48}, {16, 32, 32, 48}};
inline constexpr Parts kHorizontal{{32, 0, 48, 16},  {48, 0, 64, 16},  {32, 16, 48, 32},
                                   {48, 16, 64, 32}, {32, 32, 48, 48}, {48, 32, 64, 48}};

// The host of the skinned bars: their identifiers and the resynchronising timer.
inline constexpr int kHorizontalBarId = 100;
inline constexpr int kVerticalBarId = 101;
inline constexpr int kSyncTimerId = 100;
inline constexpr int kSyncMs = 500;
inline constexpr const char* kFrameName = "LIMIT";

// The thumb's length and offset along a track of `length` pixels for a range, a page and a
// position (a page of 0 gives the minimum thumb).
struct Thumb {
    int offset = 0;
    int length = 0;
};
Thumb ThumbOf(int trackLength, int minimum, int maximum, int page, int position);
// The position for a thumb dragged to `offset`.
int PositionAt(int trackLength, int minimum, int maximum, int page, int offset);

} // namespace qx71::scrollbar
