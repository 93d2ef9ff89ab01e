#include "core/app/StartupSequence.h"

#include "support/FakeTimerQueue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qx71 {
namespace {

using test::FakeTimerQueue;

// Records every step with the fake time at which it ran.
class ScriptedSteps final : public IStartupSteps {
public:
    explicit ScriptedSteps(FakeTimerQueue& timers) : timers_(timers) {}

    void Run(StartupStep step) override { Log(std::to_string(static_cast<int>(step))); }
    bool RunPart(StartupStep step, int part) override
    {
        if (step != StartupStep::CreatePages || pagesInParts == 0) {
            return IStartupSteps::RunPart(step, part);
        }
        Log("7." + std::to_string(part));
        return part + 1 < pagesInParts;
    }
    bool InitLink() override
    {
        Log("15");
        return linkOk;
    }
    bool UpdateModePresent() override
    {
        Log("16?");
        return updateModeAtCheck == ++checks;
    }
    bool StartFlashTool() override
    {
        Log("flash");
        return flashStarts;
    }
    bool OpenDevice() override
    {
        Log("17");
        return ++opens >= openSucceedsAt && openSucceedsAt > 0;
    }
    void ReportNotFound() override { Log("19"); }
    void ShowWithoutDevice() override { Log("show-without-device"); }
    void Close() override { Log("close"); }
    void LaunchUpdater() override { Log("updater"); }

    int pagesInParts = 0; // step 7 in this many parts; 0: one Run
    bool linkOk = true;
    int updateModeAtCheck = 0; // 0: never
    bool flashStarts = true;
    int openSucceedsAt = 1; // 0: never
    int checks = 0;
    int opens = 0;
    std::vector<std::string> log;
    std::vector<uint64_t> times;

    uint64_t TimeOf(const std::string& entry) const
    {
        for (size_t i = 0; i < log.size(); ++i) {
            if (log[i] == entry) {
                return times[i];
            }
        }
        return UINT64_MAX;
    }

private:
    void Log(std::string entry)
    {
        log.push_back(std::move(entry));
        times.push_back(timers_.Now());
    }
    FakeTimerQueue& timers_;
};

class StartupSequenceTest : public ::testing::Test {
protected:
    FakeTimerQueue timers;
    ScriptedSteps steps{timers};
    StartupSequence sequence{steps, timers};
};

TEST_F(StartupSequenceTest, MouseOpenedAtOnceGoesOnWithoutTheSecondCheckOrAnyWait)
{
    sequence.Start();
    // The search's first check comes first; then one window step per turn of the event loop.
    EXPECT_EQ(steps.log, (std::vector<std::string>{"16?", "1"}));
    timers.RunDue();
    const std::vector<std::string> all = {"16?", "1",  "2",  "3",  "4",  "5",  "6",  "7",
                                          "8",   "9",  "10", "11", "12", "13", "14", "15",
                                          "17",  "18", "20", "21", "22", "23", "25", "26"};
    EXPECT_EQ(steps.log, all);
    EXPECT_EQ(steps.TimeOf("22"), 0u);
    EXPECT_EQ(sequence.State(), StartupSequence::Outcome::Started);

    // Timer 4: the updater 3 s after the start succeeded, once; no check follows.
    timers.Advance(2999);
    EXPECT_EQ(steps.TimeOf("updater"), UINT64_MAX);
    timers.Advance(1);
    EXPECT_EQ(steps.TimeOf("updater"), 3000u);
    timers.Advance(10000);
    EXPECT_EQ(timers.PendingCount(), 0u);
    EXPECT_EQ(steps.checks, 1);
    EXPECT_EQ(steps.opens, 1);
    EXPECT_EQ(sequence.OpenTries(), 0);
}

TEST_F(StartupSequenceTest, AStepInPartsRunsThemOnePerTurnBeforeTheNextStep)
{
    steps.pagesInParts = 3;
    sequence.Start();
    timers.RunDue();
    const std::vector<std::string> atStart = {"16?", "1",   "2",   "3",  "4", "5",  "6",
                                              "7.0", "7.1", "7.2", "8",  "9", "10", "11",
                                              "12",  "13",  "14",  "15", "17"};
    EXPECT_EQ(std::vector<std::string>(steps.log.begin(),
                                       steps.log.begin() + static_cast<long>(atStart.size())),
              atStart);
}

// A mouse that does not open at once gets the whole search: the second check 500 ms after
// the first, and the ten tries from 1000 ms, 500 ms apart.
TEST_F(StartupSequenceTest, AFirstOpenThatFailsRunsTheFullSearchWithItsTenTries)
{
    struct Case {
        int openSucceedsAt; // counting the open right after step 15; 0: never
        uint64_t shownAt;   // UINT64_MAX: never
        int tries;
    };
    for (const Case& c :
         {Case{2, 1000, 1}, Case{3, 1500, 2}, Case{11, 5500, 10}, Case{0, UINT64_MAX, 10}}) {
        FakeTimerQueue t;
        ScriptedSteps s{t};
        s.openSucceedsAt = c.openSucceedsAt;
        StartupSequence seq{s, t};
        seq.Start();
        t.RunDue();
        EXPECT_EQ(s.opens, 1) << c.openSucceedsAt;
        EXPECT_EQ(s.checks, 1) << c.openSucceedsAt;
        t.Advance(500);
        EXPECT_EQ(s.checks, 2) << c.openSucceedsAt;
        EXPECT_EQ(s.opens, 1) << c.openSucceedsAt << ": no try between the checks";
        t.Advance(100000);
        EXPECT_EQ(s.TimeOf("22"), c.shownAt) << c.openSucceedsAt;
        EXPECT_EQ(seq.OpenTries(), c.tries) << c.openSucceedsAt;
        EXPECT_EQ(s.opens, c.tries + 1) << c.openSucceedsAt;
        EXPECT_EQ(seq.State(), c.openSucceedsAt == 0 ? StartupSequence::Outcome::NotFound
                                                     : StartupSequence::Outcome::Started)
            << c.openSucceedsAt;
    }
}

TEST_F(StartupSequenceTest, NotFoundAfterTenTriesReportsWithoutShowingTheWindow)
{
    steps.openSucceedsAt = 0;
    sequence.Start();
    timers.Advance(1000 + 9 * 500);
    EXPECT_EQ(sequence.OpenTries(), 10);
    EXPECT_EQ(steps.TimeOf("19"), UINT64_MAX) << "the last failure still waits 500 ms";
    timers.Advance(500);
    EXPECT_EQ(steps.TimeOf("19"), 6000u);
    EXPECT_EQ(steps.log.back(), "19");
    EXPECT_EQ(steps.log[steps.log.size() - 2], "18") << "the pages are refreshed first";
    EXPECT_EQ(steps.TimeOf("20"), UINT64_MAX);
    EXPECT_EQ(steps.TimeOf("22"), UINT64_MAX);
    EXPECT_EQ(sequence.State(), StartupSequence::Outcome::NotFound);
    timers.Advance(100000);
    EXPECT_EQ(sequence.OpenTries(), 10);
    EXPECT_EQ(steps.TimeOf("updater"), UINT64_MAX);
}

TEST_F(StartupSequenceTest, UpdateModeStartsTheFlashToolAndClosesBeforeAnyWindow)
{
    for (int check : {1, 2}) {
        FakeTimerQueue t;
        ScriptedSteps s{t};
        s.updateModeAtCheck = check;
        s.openSucceedsAt = 0; // in its update mode the mouse has no normal identity
        StartupSequence seq{s, t};
        seq.Start();
        // Found or not, nothing happens before steps 1 to 15 are done and the event loop ran.
        EXPECT_EQ(s.TimeOf("flash"), UINT64_MAX);
        t.Advance(10000);
        EXPECT_EQ(s.TimeOf("flash"), check == 1 ? 0u : 500u) << check;
        EXPECT_EQ(s.log.back(), "close");
        // Found at the first check, the mouse is not tried; else only right after step 15.
        EXPECT_EQ(s.opens, check == 1 ? 0 : 1) << check;
        EXPECT_EQ(seq.OpenTries(), 0) << check;
        EXPECT_EQ(s.TimeOf("22"), UINT64_MAX);
        EXPECT_EQ(s.checks, check);
        EXPECT_EQ(seq.State(), StartupSequence::Outcome::UpdateMode);
    }
}

TEST_F(StartupSequenceTest, FlashToolThatCannotStartLeavesTheProgramRunning)
{
    steps.updateModeAtCheck = 2;
    steps.flashStarts = false;
    steps.openSucceedsAt = 0;
    sequence.Start();
    timers.Advance(500);
    EXPECT_EQ(steps.TimeOf("flash"), 500u);
    EXPECT_EQ(steps.TimeOf("close"), UINT64_MAX);
    // The mouse is tried as usual; it is not there in its normal identity.
    timers.Advance(10 * 500);
    EXPECT_EQ(sequence.OpenTries(), 10);
    EXPECT_EQ(steps.log.back(), "19");
}

TEST_F(StartupSequenceTest, FailedInitLinkShowsTheWindowWithoutDeviceAndStopsTheSearch)
{
    steps.linkOk = false;
    sequence.Start();
    timers.RunDue();
    EXPECT_EQ(steps.log.back(), "show-without-device");
    EXPECT_EQ(sequence.State(), StartupSequence::Outcome::WithoutDevice);
    timers.Advance(100000);
    EXPECT_EQ(steps.checks, 1);
    EXPECT_EQ(steps.opens, 0);
    EXPECT_EQ(steps.TimeOf("20"), UINT64_MAX);
    EXPECT_EQ(steps.TimeOf("updater"), UINT64_MAX);
}

TEST_F(StartupSequenceTest, CancelStopsEveryPendingWait)
{
    steps.openSucceedsAt = 0;
    sequence.Start();
    timers.Advance(1500);
    sequence.Cancel();
    timers.Advance(100000);
    EXPECT_EQ(sequence.OpenTries(), 2);
    EXPECT_EQ(steps.TimeOf("19"), UINT64_MAX);
    EXPECT_EQ(sequence.State(), StartupSequence::Outcome::Cancelled);
}

} // namespace
} // namespace qx71
