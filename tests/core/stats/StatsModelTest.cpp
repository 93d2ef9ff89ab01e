#include "core/stats/StatsModel.h"
#include "core/stats/CursorSampler.h"

#include "core/common/Utf.h"
#include "core/i18n/UiStrings.h"
#include "support/FakeClock.h"
#include "support/FaultyFileSystem.h"
#include "support/RecordingMessageSink.h"
#include "support/SystemBackends.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace qx71 {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

class StatsTest : public ::testing::Test {
protected:
    StatsTest() { strings.Set("str_msg5", u"Access denied."); }
    TempDir tmp;
    test::SystemFileSystem fs;
    test::RecordingMessageSink sink;
    UiStrings strings;
    StatsModel model{fs, sink, strings, tmp / "Sts.cfg"};
};

TEST(TrophyLevel, BoundariesOfEveryLevel)
{
    const std::pair<uint32_t, int> cases[] = {
        {0, 0},        {99999, 0},    {100000, 1},    {499999, 1},      {500000, 2},
        {1000000, 3},  {1500000, 4},  {2000000, 5},   {2500000, 6},     {3000000, 7},
        {3999999, 7},  {4000000, 8},  {5000000, 9},   {6000000, 10},    {7999999, 10},
        {8000000, 11}, {9999999, 11}, {10000000, 12}, {0xFFFFFFFF, 12},
    };
    for (const auto& [total, level] : cases) {
        EXPECT_EQ(TrophyLevelOf(total), level) << total;
    }
    EXPECT_EQ(TrophyStripWidth(0), 21);
    EXPECT_EQ(TrophyStripWidth(12), 273);
}

TEST_F(StatsTest, CountsTheFiveCodesAndIgnoresTheRest)
{
    for (uint32_t code : {0x201u, 0x201u, 0x204u, 0x207u, 0x20A01u, 0x20A00u, 0x20A00u, 0x1020Bu,
                          0x2020Bu, 1u, 0x202u}) {
        model.Count(code);
    }
    const auto& r = model.Record();
    EXPECT_EQ(r.leftClicks, 2u);
    EXPECT_EQ(r.rightClicks, 1u);
    EXPECT_EQ(r.middleClicks, 1u);
    EXPECT_EQ(r.wheelForward, 1u);
    EXPECT_EQ(r.wheelBackward, 2u);
    EXPECT_EQ(model.ClickTotal(), 4u);
    EXPECT_EQ(model.WheelTotal(), 3u);
}

TEST_F(StatsTest, LevelIsTheLargerTotalsAndIsHeldUntilReset)
{
    // 600000 clicks and 1000000 wheel notches: levels 2 and 3.
    const auto bytes = StatsToBytes({600000, 0, 0, 1000000, 0, 123456});
    WriteAll(tmp / "Sts.cfg", bytes);
    ASSERT_TRUE(model.Load());
    EXPECT_EQ(model.Level(), 3);
    EXPECT_EQ(model.DistanceText(), "12.35");
    EXPECT_TRUE(model.ShowLevel(3));
    EXPECT_FALSE(model.ShowLevel(3));

    ASSERT_TRUE(model.Reset());
    EXPECT_EQ(model.Level(), 0);
    EXPECT_EQ(model.DistanceText(), "0.00");
    // After a reset the pictures are reloaded even for level 0.
    EXPECT_TRUE(model.ShowLevel(0));
    EXPECT_EQ(ReadAll(tmp / "Sts.cfg"), std::vector<uint8_t>(24, 0));
}

TEST_F(StatsTest, ShortFileFillsTheFieldsItCoversAndMissingFileIsReported)
{
    WriteAll(tmp / "Sts.cfg", std::vector<uint8_t>{5, 0, 0, 0, 7, 0, 0, 0});
    ASSERT_TRUE(model.Load());
    EXPECT_EQ(model.Record().leftClicks, 5u);
    EXPECT_EQ(model.Record().middleClicks, 7u);
    EXPECT_EQ(model.Record().rightClicks, 0u);
    EXPECT_EQ(model.Record().distance, 0u);
    EXPECT_TRUE(sink.shown.empty());

    StatsModel missing{fs, sink, strings, tmp / "none/Sts.cfg"};
    EXPECT_FALSE(missing.Load());
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(Utf16ToUtf8(sink.shown[0].text), "Failed to open file, check whether there is a " +
                                                   (tmp / "none/Sts.cfg").string() + " path?");
    EXPECT_EQ(missing.Record().leftClicks, 0u);
}

TEST_F(StatsTest, SaveWritesTheRecordAndKeepsCountsWhenRefused)
{
    model.Count(0x201);
    ASSERT_TRUE(model.Save());
    const auto saved = StatsToBytes(model.Record());
    EXPECT_EQ(ReadAll(tmp / "Sts.cfg"), std::vector<uint8_t>(saved.begin(), saved.end()));
    EXPECT_EQ(saved[0], 1);
    // A missing folder is told; the count stays.
    StatsModel nowhere{fs, sink, strings, tmp / "gone/Sts.cfg"};
    nowhere.Count(0x201);
    EXPECT_FALSE(nowhere.Save());
    EXPECT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(nowhere.Record().leftClicks, 1u);
}

// A save that fails is told with the file's name, except a file the file system refused
// because it could not be read (it told already); the counts stay in memory in every case.
TEST(StatsSave, EachCauseOfAFailedSaveHasItsMessage)
{
    TempDir tmp;
    UiStrings strings;
    strings.Set("str_msg2", u"Cannot find %s.");
    strings.Set("str_msg5", u"Access denied.");
    const auto file = tmp / "Sts.cfg";
    struct Case {
        FileError error;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {FileError::NotFound, {"Cannot find " + file.string() + "."}},
        {FileError::AccessDenied, {"Access denied.\n" + file.string()}},
        {FileError::FolderMissing, {"The statistics could not be saved in " + file.string() + "."}},
        {FileError::Other, {"The statistics could not be saved in " + file.string() + "."}},
        {FileError::Unreadable, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.error));
        test::FaultyFileSystem files;
        files.writeError = c.error;
        test::RecordingMessageSink sink;
        StatsModel model{files, sink, strings, file};
        model.Count(0x201);
        EXPECT_FALSE(model.Save());
        std::vector<std::string> shown;
        for (const auto& m : sink.shown) {
            EXPECT_EQ(m.caption, u"Info");
            shown.push_back(Utf16ToUtf8(m.text));
        }
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(model.Record().leftClicks, 1u);
    }
}

TEST_F(StatsTest, DistanceIsTheCityBlockSumAndWraps)
{
    model.SetLastPosition(100, 100);
    model.AddSample(103, 96); // 3 + 4
    model.AddSample(103, 96); // 0
    model.AddSample(-10, 96); // 113
    EXPECT_EQ(model.Record().distance, 120u);

    WriteAll(tmp / "Sts.cfg", StatsToBytes({0xFFFFFFFF, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(model.Load());
    model.Count(0x201);
    EXPECT_EQ(model.Record().leftClicks, 0u);
}

TEST(CursorSampler, PublishesEachSampleAndPostsANotice)
{
    struct Cursor final : ICursorPosition {
        std::atomic<int> n{0};
        bool Read(int32_t& x, int32_t& y) override
        {
            const int i = ++n;
            x = -i;
            y = 2 * i;
            return true;
        }
    } cursor;
    test::FakeClock clock;
    std::mutex m;
    std::condition_variable cv;
    int posts = 0;
    CursorSampler sampler(clock, cursor, [&] {
        std::lock_guard lock(m);
        ++posts;
        cv.notify_one();
    });
    sampler.Start();
    {
        std::unique_lock lock(m);
        ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(10), [&] { return posts >= 3; }));
    }
    sampler.Stop();
    int32_t x = 0;
    int32_t y = 0;
    sampler.Latest(x, y);
    EXPECT_LT(x, 0);
    EXPECT_EQ(y, -2 * x); // a consistent pair
    const std::vector<uint32_t> sleeps = clock.Sleeps();
    for (uint32_t s : sleeps) {
        EXPECT_EQ(s, CursorSampler::kSliceMs);
    }
    // Between the first three samples, whole intervals were waited.
    EXPECT_GE(sleeps.size(), 2 * CursorSampler::kSlicesPerInterval);
}

} // namespace
} // namespace qx71
