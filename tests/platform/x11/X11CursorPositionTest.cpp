// GoogleTest and the core's headers first: Xlib's macros (None, Bool) would break them.
#include <gtest/gtest.h>

#include "core/common/IClock.h"
#include "core/i18n/UiStrings.h"
#include "core/stats/CursorSampler.h"
#include "core/stats/StatsModel.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/linux/X11CursorPosition.h"
#include "support/RecordingMessageSink.h"
#include "support/TempDir.h"

#include "X11TestSupport.h"

#include <condition_variable>
#include <mutex>
#include <vector>

namespace qx71 {
namespace {

using test::TaskQueue;
using test::XTestInjector;

// A clock whose sleeps last until the test lets one pass, so the sampler takes exactly one
// sample per step however loaded the machine is.
class SteppedClock final : public IClock {
public:
    void SleepMs(uint32_t ms) override
    {
        std::unique_lock lock(mutex_);
        sleeps_.push_back(ms);
        passed_.wait(lock, [&] { return steps_ > 0 || open_; });
        if (steps_ > 0) {
            --steps_;
        }
    }
    uint32_t TickMs() override { return 0; }
    void Step()
    {
        std::lock_guard lock(mutex_);
        ++steps_;
        passed_.notify_all();
    }
    // Every sleep from now on returns at once.
    void Open()
    {
        std::lock_guard lock(mutex_);
        open_ = true;
        passed_.notify_all();
    }
    std::vector<uint32_t> Sleeps()
    {
        std::lock_guard lock(mutex_);
        return sleeps_;
    }

private:
    std::mutex mutex_;
    std::condition_variable passed_;
    std::vector<uint32_t> sleeps_;
    int steps_ = 0;
    bool open_ = false;
};

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
    clock.Step();
    ASSERT_TRUE(queue.RunUntil([&] { return samples == 2; }));
    EXPECT_EQ(model.Record().distance, 70u);

    injector.MoveTo(120, 150);
    clock.Step();
    ASSERT_TRUE(queue.RunUntil([&] { return samples == 3; }));
    EXPECT_EQ(model.Record().distance, 90u);

    clock.Open();
    running.Stop();
    for (uint32_t ms : clock.Sleeps()) {
        EXPECT_EQ(ms, CursorSampler::kIntervalMs);
    }
    EXPECT_GE(clock.Sleeps().size(), 3u);
}

} // namespace
} // namespace qx71
