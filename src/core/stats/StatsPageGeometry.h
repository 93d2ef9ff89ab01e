#pragma once

#include "core/app/MainWindowGeometry.h"
#include "core/widgets/Geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qx71::stats {

// The statistics page's layout in page client pixels. Sts_Normal, Sts_Down and Sts_Over are
// drawn at exactly kPageSize; each control's images are cut from them at its rectangle.
inline constexpr Size kPageSize{mainwindow::kPageArea.Width(), mainwindow::kPageArea.Height()};

// The page sheets under skins/; the large pictures are TrophyPictureFile(level).
inline constexpr std::string_view kSheetNormal = "Sts_Normal.bmp";
inline constexpr std::string_view kSheetDown = "Sts_Down.bmp";
inline constexpr std::string_view kSheetOver = "Sts_Over.bmp";

inline constexpr Rect kLargeTrophy{309, 0, 607, 451};
inline constexpr Rect kResetButton{703, 379, 832, 410};
inline constexpr uint32_t kLargeTrophyHint = 54;
inline constexpr uint32_t kResetHint = 55;

// The trophy strip: created at kStripCreated, then reshaped to its level's width from
// kStripOrigin down to kStripBottom. Its full length (level 12) is kStripFull.
inline constexpr Rect kStripCreated{630, 62, 901, 74};
inline constexpr Point kStripOrigin{631, 62};
inline constexpr int kStripBottom = 77;
inline constexpr int kStripFullWidth = 273;
inline constexpr Rect kStripFull{kStripOrigin.x, kStripOrigin.y, kStripOrigin.x + kStripFullWidth,
                                 kStripBottom};

// The thirteen small trophies, five to a row.
inline constexpr int kSmallTrophyCount = 13;
inline constexpr int kSmallTrophiesPerRow = 5;
inline constexpr Size kSmallTrophySize{43, 50};
inline constexpr Point kSmallTrophyOrigin{647, 132};
inline constexpr int kSmallTrophyPitchX = 50;
inline constexpr int kSmallTrophyPitchY = 58;

constexpr Rect SmallTrophy(int index)
{
    const int left = kSmallTrophyOrigin.x + kSmallTrophyPitchX * (index % kSmallTrophiesPerRow);
    const int top = kSmallTrophyOrigin.y + kSmallTrophyPitchY * (index / kSmallTrophiesPerRow);
    return {left, top, left + kSmallTrophySize.width, top + kSmallTrophySize.height};
}

// The eight value rows: left, middle, right clicks, click total, wheel forward, wheel
// backward, wheel total, distance. The numbers are right-aligned in their boxes; the row
// labels belong to the background, and the Chinese labels are wider, so with the Chinese
// installation the boxes move right.
inline constexpr size_t kValueRows = 8;
inline constexpr size_t kDistanceRow = 7;
struct RowSpan {
    int top;
    int bottom;
};
inline constexpr std::array<RowSpan, kValueRows> kValueRowSpans{{
    {85, 106},
    {119, 139},
    {152, 172},
    {183, 203},
    {250, 270},
    {284, 304},
    {319, 339},
    {384, 404},
}};
struct ColumnSpan {
    int left;
    int right;
};
inline constexpr ColumnSpan kValueColumn{152, 227};
inline constexpr ColumnSpan kValueColumnChinese{167, 242};
inline constexpr ColumnSpan kDistanceColumn{152, 227};
inline constexpr ColumnSpan kDistanceColumnChinese{187, 262};

constexpr Rect ValueBox(size_t row, bool installChinese)
{
    const ColumnSpan column = row == kDistanceRow
                                  ? (installChinese ? kDistanceColumnChinese : kDistanceColumn)
                                  : (installChinese ? kValueColumnChinese : kValueColumn);
    return {column.left, kValueRowSpans[row].top, column.right, kValueRowSpans[row].bottom};
}

// How the values are written: "MS Shell Dlg", 14 pixels high, light, in (220, 220, 220).
inline constexpr int kValueFontPixels = 14;
inline constexpr int kValueFontWeight = 300;
inline constexpr std::array<uint8_t, 3> kValueTextRgb{220, 220, 220};

} // namespace qx71::stats
