#include "core/config/WriteThread.h"

#include "support/FakeClock.h"
#include "support/TaskQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <mutex>

namespace qx71 {
namespace {

// A thread whose pass only counts; outcomes are posted to the test's queue.
struct CountingThread {
    test::FakeClock clock;
    test::TaskQueue queue;
    std::atomic<int> passes{0};
    std::atomic<int> outcomes{0};
    PostTask post = queue.Poster();
    WriteThread thread{clock,
                       [this](const std::function<void(int)>& progress,
                              const std::function<bool()>&) -> std::optional<WriteFailure> {
                           ++passes;
                           progress(100);
                           return std::nullopt;
                       },
                       {{}, [this] { post([this] { ++outcomes; }); }, {}, {}}};

    bool PassAndWait()
    {
        const int before = outcomes;
        if (!thread.RequestPass()) {
            return false;
        }
        const bool done = queue.RunUntil([&] { return outcomes > before; });
        thread.SetDeviceReady();
        return done;
    }
};

TEST(WriteThread, ARestartedThreadRunsNoPassUntilAsked)
{
    CountingThread t;
    t.thread.Start();
    ASSERT_TRUE(t.PassAndWait());
    // The stop leaves the event signalled to wake the thread; the next run must not take it
    // for a request.
    t.thread.Stop();
    EXPECT_FALSE(t.thread.RequestPass());
    t.thread.Start();
    EXPECT_FALSE(t.thread.PassRequested());
    EXPECT_TRUE(t.thread.DeviceReady());
    ASSERT_TRUE(t.PassAndWait());
    t.thread.Stop();
    EXPECT_EQ(t.passes, 2);
    EXPECT_EQ(t.outcomes, 2);
}

TEST(WriteThread, StopBeforeAnyPassAndRepeatedStartsAndStopsAreHarmless)
{
    CountingThread t;
    t.thread.Stop();
    t.thread.Start();
    t.thread.Start();
    t.thread.Stop();
    t.thread.Stop();
    t.thread.Start();
    ASSERT_TRUE(t.PassAndWait());
    EXPECT_EQ(t.passes, 1);
}

// A stop requested while the pass runs: the pass sees it, and its outcome and progress are
// not reported.
TEST(WriteThread, AStopDuringAPassDropsItsOutcome)
{
    test::FakeClock clock;
    std::atomic<int> reported{0};
    std::atomic<bool> sawStop{false};
    std::promise<void> passEnded;
    WriteThread* self = nullptr;
    WriteThread thread{clock,
                       [&](const std::function<void(int)>& progress,
                           const std::function<bool()>& stopping) -> std::optional<WriteFailure> {
                           progress(7);
                           self->RequestStop();
                           sawStop = stopping();
                           progress(60);
                           passEnded.set_value();
                           return std::nullopt;
                       },
                       {[&](int) { ++reported; }, [&] { ++reported; }, [&](WriteFailure) {}, {}}};
    self = &thread;
    thread.Start();
    ASSERT_TRUE(thread.RequestPass());
    ASSERT_EQ(passEnded.get_future().wait_for(test::kEventTimeout), std::future_status::ready);
    thread.Stop();
    EXPECT_TRUE(sawStop);
    EXPECT_EQ(reported, 1); // the progress before the stop only
    EXPECT_FALSE(thread.Running());
}

} // namespace
} // namespace qx71
