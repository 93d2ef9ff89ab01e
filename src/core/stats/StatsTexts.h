#pragma once

#include "core/common/BilingualText.h"
#include "core/stats/StatsPageGeometry.h"

#include <array>

namespace qx71::stats {

// The names of the value rows and the distance's unit, drawn by the page beside the numbers.
inline constexpr std::array<BilingualText, kValueRows> kRowLabels{{
    {u"左键点击", u"Left clicks"},
    {u"中键点击", u"Middle clicks"},
    {u"右键点击", u"Right clicks"},
    {u"点击总数", u"All clicks"},
    {u"滚轮向前", u"Wheel forward"},
    {u"滚轮向后", u"Wheel backward"},
    {u"滚轮总数", u"All wheel steps"},
    {u"移动距离", u"Distance"},
}};
// The distance is the pixel sum x 0.0001.
inline constexpr BilingualText kDistanceUnit{u"万像素", u"x 10,000 px"};

// Where the row names start; each ends a few pixels before its value box.
inline constexpr int kRowLabelLeft = 24;
inline constexpr int kRowLabelGap = 8;
// The unit goes under the distance, right-aligned with its box.
inline constexpr int kUnitTop = 406;
inline constexpr int kUnitBottom = 424;

} // namespace qx71::stats
