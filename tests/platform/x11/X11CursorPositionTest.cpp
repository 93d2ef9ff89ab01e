// GoogleTest and the core's headers first: Xlib's macros (None, Bool) would break them.
#include <gtest/gtest.h>

#include "core/i18n/UiStrings.h"
#include "core/stats/CursorSampler.h"
#include "core/stats/StatsModel.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/linux/X11CursorPosition.h"
#include "support/RecordingMessageSink.h"
#include "support/SteppedClock.h"
#include "support/TempDir.h"

#include "X11TestSupport.h"

#include <vector>

namespace qx71 {
namespace {

using test::SteppedClock;
using test::TaskQueue;
using test::XTestInjector;

TEST(X11CursorPosition, ReadsWherePointerIs)
{
    XTestInjector injector;
    ASSERT_TRUE(injector.Ok()) << "no X display with XTest";
    X11CursorPosition cursor;
    for (const auto& [px, py] : {std::pair{17, 23}, std::pair{1000, 700}, std::pair{0, 0}}) {
        injector.MoveTo(px, py);
        int32_t x = -1;
        int32_t y = -1;
        ASSERT_TRUE(cursor.Read(x, y));
        EXPECT_EQ(x, px);
        EXPECT_EQ(y, py);
    }
}

TEST(X11CursorPosition, NoDisplayIsAFailedRead)
{
    X11CursorPosition cursor(":65000");
    int32_t x = 5;
    int32_t y = 6;
    EXPECT_FALSE(cursor.Read(x, y));
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
}

// The statistics page's road: the sampler reads the pointer on its thread every 500 ms and
// posts; the page's thread takes the point and adds the distance.
TEST(X11CursorPosition, SamplerFeedsTheDistance)
{
    XTestInjector injector;
    ASSERT_TRUE(injector.Ok()) << "no X display with XTest";
    test::TempDir tmp;
    PosixFileSystem fs;
    test::RecordingMessageSink sink;
    UiStrings strings;
    StatsModel model(fs, sink, strings, tmp / "Sts.cfg");

    injector.MoveTo(100, 100);
    X11CursorPosition cursor;
    int32_t x = 0;
    int32_t y = 0;
    ASSERT_TRUE(cursor.Read(x, y));
    model.SetLastPosition(x, y);

    SteppedClock clock;
    TaskQueue queue;
    int samples = 0;
    CursorSampler* sampler = nullptr;
    const PostTask post = queue.Poster();
    CursorSampler running(clock, cursor, [&] {
        post([&] {
            int32_t sx = 0;
            int32_t sy = 0;
            sampler->Latest(sx, sy);
            model.AddSample(sx, sy);
            ++samples;
        });
    });
    sampler = &running;
    running.Start();
    ASSERT_TRUE(queue.RunUntil([&] { return samples == 1; }));
    EXPECT_EQ(model.Record().distance, 0u);

    injector.MoveTo(130, 140);
    clock.Step(CursorSampler::kSlicesPerInterval);
    ASSERT_TRUE(queue.RunUntil([&] { return samples == 2; }));
    EXPECT_EQ(model.Record().distance, 70u);

    injector.MoveTo(120, 150);
    clock.Step(CursorSampler::kSlicesPerInterval);
    ASSERT_TRUE(queue.RunUntil([&] { return samples == 3; }));
    EXPECT_EQ(model.Record().distance, 90u);

    clock.Open();
    running.Stop();
    for (uint32_t ms : clock.Sleeps()) {
        EXPECT_EQ(ms, CursorSampler::kSliceMs);
    }
    EXPECT_GE(clock.Sleeps().size(), 2 * CursorSampler::kSlicesPerInterval);
}

} // namespace
} // namespace qx71
