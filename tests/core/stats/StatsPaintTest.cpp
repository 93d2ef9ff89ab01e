#include "core/stats/StatsPaint.h"

#include "core/stats/StatsModel.h"

#include "core/i18n/UiStrings.h"
#include "support/RecordingMessageSink.h"
#include "support/SystemBackends.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qx71 {
namespace {

using test::TempDir;
using test::WriteAll;

class StatsPaintTest : public ::testing::Test {
protected:
    void LoadRecord(const StatsRecord& record)
    {
        WriteAll(tmp / "Sts.cfg", StatsToBytes(record));
        ASSERT_TRUE(model.Load());
    }
    TempDir tmp;
    test::SystemFileSystem fs;
    test::RecordingMessageSink sink;
    UiStrings strings;
    StatsModel model{fs, sink, strings, tmp / "Sts.cfg"};
};

TEST_F(StatsPaintTest, ValueBoxesOfBothLayouts)
{
    // row, top, bottom, left and right (English), left and right (Chinese installation)
    const int table[stats::kValueRows][6] = {
        {85, 106, 152, 227, 167, 242},  {119, 139, 152, 227, 167, 242},
        {152, 172, 152, 227, 167, 242}, {183, 203, 152, 227, 167, 242},
        {250, 270, 152, 227, 167, 242}, {284, 304, 152, 227, 167, 242},
        {319, 339, 152, 227, 167, 242}, {384, 404, 152, 227, 187, 262},
    };
    LoadRecord({1, 2, 3, 4, 5, 123456});
    const StatsPaint english = PaintStats(model, false);
    const StatsPaint chinese = PaintStats(model, true);
    for (size_t row = 0; row < stats::kValueRows; ++row) {
        const int* r = table[row];
        EXPECT_EQ(english.values[row].box, (Rect{r[2], r[0], r[3], r[1]})) << row;
        EXPECT_EQ(chinese.values[row].box, (Rect{r[4], r[0], r[5], r[1]})) << row;
        EXPECT_EQ(chinese.values[row].text, english.values[row].text) << row;
    }
    const char* texts[] = {"1", "2", "3", "6", "4", "5", "9", "12.35"};
    for (size_t row = 0; row < stats::kValueRows; ++row) {
        EXPECT_EQ(english.values[row].text, texts[row]) << row;
    }
}

TEST_F(StatsPaintTest, CountsAbove2To31StayPositive)
{
    LoadRecord({3000000000u, 0, 0, 0, 0, 0});
    const StatsPaint paint = PaintStats(model, false);
    EXPECT_EQ(paint.values[0].text, "3000000000");
    EXPECT_EQ(paint.values[3].text, "3000000000");
}

TEST_F(StatsPaintTest, StripAndTrophiesFollowTheLevel)
{
    // clicks, wheel notches, level, strip right edge
    const std::tuple<uint32_t, uint32_t, int, int> table[] = {
        {0, 0, 0, 631 + 21},
        {600000, 1000000, 3, 631 + 84},
        {4000000, 0, 8, 631 + 189},
        {10000000, 0, 12, 631 + 273},
    };
    for (const auto& [clicks, wheel, level, right] : table) {
        // A fresh page each time: the level reached would otherwise be held.
        WriteAll(tmp / "Sts.cfg", StatsToBytes({clicks, 0, 0, wheel, 0, 0}));
        StatsModel fresh{fs, sink, strings, tmp / "Sts.cfg"};
        ASSERT_TRUE(fresh.Load());
        const StatsPaint paint = PaintStats(fresh, false);
        EXPECT_EQ(paint.level, level);
        EXPECT_EQ(paint.strip, (Rect{631, 62, right, 77})) << level;
        for (int i = 0; i < stats::kSmallTrophyCount; ++i) {
            EXPECT_EQ(paint.earned[static_cast<size_t>(i)], i <= level) << level << " " << i;
        }
    }
    EXPECT_EQ(stats::kStripFull.right, 631 + 273);
}

TEST_F(StatsPaintTest, PicturesChangeOnlyWithTheLevelAndTheLevelIsHeld)
{
    LoadRecord({0xFFFFFFF0u, 0, 0, 0, 0, 0});
    StatsPaint paint = PaintStats(model, false);
    EXPECT_EQ(paint.level, 12);
    EXPECT_EQ(paint.largePicture, "trophy/trophy12Down.bmp");
    EXPECT_FALSE(PaintStats(model, false).largePicture);

    // The click total wraps to a small number; the level reached stays.
    for (int i = 0; i < 0x20; ++i) {
        model.Count(kStatsLeftDown);
    }
    EXPECT_EQ(model.ClickTotal(), 0x10u);
    paint = PaintStats(model, false);
    EXPECT_EQ(paint.level, 12);
    EXPECT_FALSE(paint.largePicture);
    EXPECT_EQ(paint.strip.Width(), 273);

    // A reset shows level 0 again, its picture reloaded.
    ASSERT_TRUE(model.Reset());
    paint = PaintStats(model, false);
    EXPECT_EQ(paint.level, 0);
    EXPECT_EQ(paint.largePicture, "trophy/trophy0Down.bmp");
    EXPECT_EQ(paint.strip.Width(), 21);
    EXPECT_EQ(paint.values[7].text, "0.00");
}

TEST(StatsPage, HintsAndSmallTrophyPlaces)
{
    const std::pair<Point, std::vector<uint32_t>> cases[] = {
        {{309, 0}, {54}},   {{308, 0}, {54}},   {{607, 451}, {54}},
        {{608, 200}, {}},   {{703, 379}, {55}}, {{832, 410}, {55}},
        {{702, 378}, {55}}, {{833, 395}, {}},   {{650, 150}, {}},
    };
    for (const auto& [p, hints] : cases) {
        EXPECT_EQ(StatsHintsAt(p), hints) << p.x << "," << p.y;
    }
    // index, left, top
    const std::tuple<int, int, int> trophies[] = {
        {0, 647, 132}, {4, 847, 132}, {5, 647, 190}, {9, 847, 190}, {12, 747, 248},
    };
    for (const auto& [i, left, top] : trophies) {
        EXPECT_EQ(stats::SmallTrophy(i), (Rect{left, top, left + 43, top + 50})) << i;
    }
}

} // namespace
} // namespace qx71
