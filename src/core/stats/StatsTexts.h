#pragma once

#include "core/i18n/PageLabels.h"
#include "core/stats/StatsPageGeometry.h"

#include <array>

namespace qx71::stats {

// The names of the value rows, drawn by the page beside the numbers; the distance's unit
// (the pixel sum x 0.0001) is PageLabel::DistanceUnit.
inline constexpr std::array<PageLabel, kValueRows> kRowLabels{{
    PageLabel::LeftClicks,
    PageLabel::MiddleClicks,
    PageLabel::RightClicks,
    PageLabel::AllClicks,
    PageLabel::WheelForward,
    PageLabel::WheelBackward,
    PageLabel::AllWheelSteps,
    PageLabel::Distance,
}};

// Where the row names start; each ends a few pixels before its value box.
inline constexpr int kRowLabelLeft = 24;
inline constexpr int kRowLabelGap = 8;
// The unit goes under the distance, right-aligned with its box.
inline constexpr int kUnitTop = 406;
inline constexpr int kUnitBottom = 424;

} // namespace qx71::stats
