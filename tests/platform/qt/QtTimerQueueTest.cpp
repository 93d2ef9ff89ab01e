#include "platform/qt/QtTimerQueue.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace qx71 {
namespace {

constexpr qint64 kTimeoutMs = 20000;

bool RunEventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < kTimeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return done();
}

TEST(QtTimerQueue, RunsOnlyFromTheEventLoopInOrderAndNeverWhenCancelled)
{
    QtTimerQueue timers;
    std::vector<int> ran;
    timers.After(0, [&] { ran.push_back(1); });
    const auto cancelled = timers.After(0, [&] { ran.push_back(2); });
    timers.After(0, [&] { ran.push_back(3); });
    timers.Cancel(cancelled);
    timers.Cancel(ITimerQueue::kNoTimer);
    EXPECT_TRUE(ran.empty()) << "a 0 ms timer waits for the event loop";
    ASSERT_TRUE(RunEventsUntil([&] { return ran.size() == 2; }));
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    // A timer may start the next one from its task.
    timers.After(0, [&] { timers.After(0, [&] { ran.push_back(4); }); });
    ASSERT_TRUE(RunEventsUntil([&] { return ran.size() == 3; }));
    EXPECT_EQ(ran.back(), 4);
}

TEST(MakeQtPostTask, TasksFromAnotherThreadRunOnTheOwnersThreadInOrder)
{
    QObject context;
    const PostTask post = MakeQtPostTask(&context);
    std::vector<int> ran;
    std::vector<std::thread::id> threads;
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i) {
            post([&, i] {
                ran.push_back(i);
                threads.push_back(std::this_thread::get_id());
            });
        }
    });
    worker.join();
    ASSERT_TRUE(RunEventsUntil([&] { return ran.size() == 3; }));
    EXPECT_EQ(ran, (std::vector<int>{0, 1, 2}));
    for (const auto& id : threads) {
        EXPECT_EQ(id, std::this_thread::get_id());
    }
}

} // namespace
} // namespace qx71
