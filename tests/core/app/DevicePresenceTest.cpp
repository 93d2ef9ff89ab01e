#include "core/app/DevicePresence.h"
#include "core/app/CloseSequence.h"

#include "support/FakeTimerQueue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qx71 {
namespace {

using test::FakeTimerQueue;

class RecordingPresence final : public IPresenceActions {
public:
    bool OpenDevice() override
    {
        log.push_back("open");
        return ++opens >= openSucceedsAt && openSucceedsAt > 0;
    }
    void CloseDevice() override { log.push_back("close-device"); }
    void ReadFirmwareVersion() override { log.push_back("firmware"); }
    void InstallHooks() override { log.push_back("hooks-on"); }
    void RemoveHooks() override { log.push_back("hooks-off"); }
    bool DeviceReady() override { return ready; }
    void RestoreDeviceReady() override { log.push_back("restore-ready"); }
    void ShowFound() override { log.push_back("found"); }
    void ShowLostThenClose() override { log.push_back("lost-close"); }
    void ShowArrivalFailed() override { log.push_back("arrival-failed"); }

    bool ready = true;
    int openSucceedsAt = 1; // 0: never
    int opens = 0;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

class DevicePresenceTest : public ::testing::Test {
protected:
    void Arrive() { presence.OnChange({DeviceChangeKind::Arrival, "/sys/hidraw9"}); }
    void Remove() { presence.OnChange({DeviceChangeKind::Removal, "/sys/hidraw9"}); }

    FakeTimerQueue timers;
    RecordingPresence actions;
    DevicePresence presence{actions, timers};
};

TEST_F(DevicePresenceTest, RemovalWhileIdleClosesAndEndsTheProgram)
{
    Remove();
    EXPECT_EQ(actions.log, (Log{"close-device", "hooks-off", "lost-close"}));
    // Nothing more happens once the program is ending, even if the mouse comes back.
    Arrive();
    Remove();
    EXPECT_EQ(actions.log.size(), 3u);
}

TEST_F(DevicePresenceTest, RemovalDuringAPassKeepsTheProgramAndArrivalRestoresSilently)
{
    actions.ready = false;
    Remove();
    EXPECT_EQ(actions.log, (Log{"close-device", "hooks-off"}));
    Arrive();
    EXPECT_EQ(actions.log,
              (Log{"close-device", "hooks-off", "open", "firmware", "hooks-on", "restore-ready"}));
}

TEST_F(DevicePresenceTest, ArrivalWhenIdleSaysFound)
{
    Arrive();
    EXPECT_EQ(actions.log, (Log{"open", "firmware", "hooks-on", "found"}));
}

TEST_F(DevicePresenceTest, ArrivalRetriesOnATimerWithoutBlockingAndGivesUpAtTheLimit)
{
    actions.openSucceedsAt = 0;
    Arrive();
    EXPECT_EQ(actions.opens, 1);
    EXPECT_TRUE(presence.Retrying());
    timers.Advance(2499);
    EXPECT_EQ(actions.opens, 1);
    timers.Advance(1);
    EXPECT_EQ(actions.opens, 2);
    timers.Advance(2500 * (DevicePresence::kArrivalTries - 2));
    EXPECT_EQ(actions.opens, DevicePresence::kArrivalTries);
    EXPECT_EQ(actions.log.back(), "arrival-failed");
    EXPECT_FALSE(presence.Retrying());
    timers.Advance(100000);
    EXPECT_EQ(actions.opens, DevicePresence::kArrivalTries);
}

TEST_F(DevicePresenceTest, ArrivalOpensOnALaterTry)
{
    actions.openSucceedsAt = 3;
    Arrive();
    timers.Advance(5000);
    EXPECT_EQ(actions.log, (Log{"open", "open", "open", "firmware", "hooks-on", "found"}));
}

TEST_F(DevicePresenceTest, RemovalDuringTheRetriesStopsThem)
{
    actions.ready = false;
    actions.openSucceedsAt = 0;
    Arrive();
    Remove();
    timers.Advance(100000);
    EXPECT_EQ(actions.opens, 1);
    EXPECT_FALSE(presence.Retrying());
}

TEST_F(DevicePresenceTest, StopEndsRetriesAndIgnoresLaterChanges)
{
    actions.openSucceedsAt = 0;
    Arrive();
    presence.Stop();
    timers.Advance(100000);
    Remove();
    EXPECT_EQ(actions.log, (Log{"open"}));
}

class RecordingClose final : public ICloseSteps {
public:
    void Run(CloseStep step) override { steps.push_back(static_cast<int>(step)); }
    std::vector<int> steps;
};

TEST(CloseSequence, StepsInOrderThenTheEnd500MsLaterOnlyOnce)
{
    FakeTimerQueue timers;
    RecordingClose steps;
    CloseSequence close(steps, timers);
    EXPECT_TRUE(close.Begin());
    EXPECT_EQ(steps.steps, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(close.Begin()) << "a second request (a signal during the close) does nothing";
    timers.Advance(499);
    EXPECT_EQ(steps.steps.size(), 4u);
    timers.Advance(1);
    EXPECT_EQ(steps.steps, (std::vector<int>{1, 2, 3, 4, 5}));
}

} // namespace
} // namespace qx71
