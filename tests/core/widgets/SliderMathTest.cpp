#include "core/widgets/SliderMath.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(TrackClick, SnapsTowardsTheTopOfShortRanges)
{
    struct Case {
        ValueRange range;
        int x; // on a track from 0 to 100
        int expected;
    };
    const Case cases[] = {
        {{1, 5}, 94, 5},    // q = 4.76: the snap gives 5 where the division gives 4
        {{1, 5}, 93, 4},    // q = 4.72
        {{1, 5}, 100, 5},   //
        {{1, 5}, 0, 1},     //
        {{1, 5}, 50, 3},    //
        {{1, 10}, 98, 10},  // q = 9.82
        {{1, 10}, 97, 9},   // q = 9.73
        {{1, 3}, 94, 3},    // q = 2.88
        {{1, 3}, 93, 2},    // q = 2.86
        {{0, 100}, 99, 99}, // no snap on other ranges
        {{1, 5}, 130, 5},   // clamped
        {{1, 5}, -20, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrackClickValue(c.range, 0, 100, c.x), c.expected)
            << c.range.min << ".." << c.range.max << " at " << c.x;
    }
}

TEST(TrackClick, OffsetTrackAndDegenerateShapes)
{
    // 94 % of a 1..5 track that starts at 40 and is 200 wide.
    EXPECT_EQ(TrackClickValue({1, 5}, 40, 240, 40 + 188), 5);
    EXPECT_EQ(TrackClickValue({1, 5}, 40, 40, 60), 1);
    EXPECT_EQ(TrackClickValue({7, 7}, 0, 100, 60), 7);
}

TEST(Slider, ValueAndPositionMaps)
{
    const SliderTrack track{10, 110, 20}; // the thumb's left edge runs 10..90
    EXPECT_EQ(SliderValueAt({0, 8}, track, 10), 0);
    EXPECT_EQ(SliderValueAt({0, 8}, track, 19), 0); // 8 * 9 / 80 = 0
    EXPECT_EQ(SliderValueAt({0, 8}, track, 20), 1);
    EXPECT_EQ(SliderValueAt({0, 8}, track, 90), 8);
    EXPECT_EQ(SliderValueAt({0, 8}, track, 200), 8);
    EXPECT_EQ(SliderValueAt({0, 8}, track, -50), 0);
    EXPECT_EQ(SliderPositionOf({0, 8}, track, 0), 10);
    EXPECT_EQ(SliderPositionOf({0, 8}, track, 4), 50);
    EXPECT_EQ(SliderPositionOf({0, 8}, track, 8), 90);
    EXPECT_EQ(SliderValueAt({3, 3}, track, 50), 3);
    EXPECT_EQ(SliderPositionOf({3, 3}, track, 3), 10);
    EXPECT_EQ(SliderValueAt({0, 8}, {10, 20, 10}, 15), 0); // no room to move
}

TEST(Slider, SubRangePutsTheThumbBack)
{
    EXPECT_EQ(ClampToSubRange(5, 2, 6).value, 5);
    EXPECT_FALSE(ClampToSubRange(5, 2, 6).clamped);
    EXPECT_EQ(ClampToSubRange(7, 2, 6).value, 6);
    EXPECT_TRUE(ClampToSubRange(7, 2, 6).clamped);
    EXPECT_EQ(ClampToSubRange(1, 2, 6).value, 2);
    EXPECT_TRUE(ClampToSubRange(1, 2, 6).clamped);
}

TEST(ValueOrMinimum, OutsideTheRangeShowsTheMinimum)
{
    EXPECT_EQ(ValueOrMinimum({0, 100}, 150), 0);
    EXPECT_EQ(ValueOrMinimum({0, 100}, -1), 0);
    EXPECT_EQ(ValueOrMinimum({0, 100}, 100), 100);
    EXPECT_EQ(ValueOrMinimum({5, 10}, 11), 5);
    EXPECT_EQ(ValueOrMinimum({5, 10}, 7), 7);
}

TEST(Progress, FillAndDrag)
{
    EXPECT_EQ(ProgressFillWidth({0, 100}, 35, 295, 0), 0);
    EXPECT_EQ(ProgressFillWidth({0, 100}, 35, 295, 42), 109); // 260 * 42 / 100
    EXPECT_EQ(ProgressFillWidth({0, 100}, 35, 295, 100), 260);
    EXPECT_EQ(ProgressFillWidth({4, 4}, 0, 100, 4), 0);
    EXPECT_EQ(ProgressValueAt({0, 100}, 0, 200, 100), 50);
    EXPECT_EQ(ProgressValueAt({0, 100}, 0, 200, 250), 100);
    EXPECT_EQ(ProgressValueAt({0, 100}, 0, 200, -5), 0);
    EXPECT_EQ(ProgressValueAt({0, 100}, 10, 10, 50), 0);
}

} // namespace
} // namespace qx71
