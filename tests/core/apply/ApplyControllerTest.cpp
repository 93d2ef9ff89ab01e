#include "core/config/ApplyController.h"

#include "core/common/Utf.h"
#include "core/config/ConfigStore.h"
#include "core/device/CUSBDriver.h"
#include "core/i18n/UiStrings.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/sim/SimulatedQx71.h"
#include "support/FakeClock.h"
#include "support/RecordingMessageSink.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::ReadAll;

struct NoPoster final : IHookPoster {
    void Post(const HookPost&) override {}
};

class ApplyControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.LoadDirectory();
        sink.shown.clear();
        ASSERT_TRUE(link.OpenDevice());
        apply.SetObserver({[this](int p) { progress.push_back(p); },
                           [this](std::optional<WriteFailure> f) {
                               finished = true;
                               failure = f;
                           }});
    }
    bool ApplyAndWait()
    {
        finished = false;
        if (!apply.RequestApply()) {
            return false;
        }
        return queue.RunUntil([this] { return finished; });
    }

    test::TempDir tmp;
    PosixFileSystem fs;
    test::RecordingMessageSink sink;
    UiStrings strings;
    ConfigStore store{fs, sink, strings, tmp.path()};
    test::FakeClock clock;
    SimulatedQx71 sim{clock};
    CUSBDriver link{sim, clock};
    NoPoster poster;
    HookState hooks{poster};
    test::TaskQueue queue;
    ApplyController apply{store, sink, WritePassServices{link, clock, &hooks, nullptr, {}, {}},
                          queue.Poster(), 42};
    std::vector<int> progress;
    bool finished = false;
    std::optional<WriteFailure> failure;
};

TEST_F(ApplyControllerTest, RefusedWithoutARunningWriteThread)
{
    EXPECT_FALSE(apply.RequestApply());
    EXPECT_FALSE(apply.RestoreDefaults());
}

TEST_F(ApplyControllerTest, SuccessSavesTheProfileAndReinstallsTheHooks)
{
    apply.Start();
    store.CurrentProfile().reportRate = 8;
    store.ButtonMacroIds()[2] = 0x15000009;
    hooks.SetForwarding(true, false);
    ASSERT_TRUE(ApplyAndWait());
    EXPECT_EQ(failure, std::nullopt);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(sim.GetState().reportRate, 8);
    // Saved: the profile file carries the new rate, the directory the macro ids.
    ConfigStore reread{fs, sink, strings, tmp.path()};
    reread.LoadDirectory();
    EXPECT_EQ(reread.CurrentProfile().reportRate, 8);
    EXPECT_EQ(reread.ButtonMacroIds()[2], 0x15000009u);
    EXPECT_TRUE(hooks.Installed());
    EXPECT_EQ(hooks.MainWindow(), WindowHandle{42});
    EXPECT_FALSE(hooks.KeyboardForwarding());
    EXPECT_TRUE(hooks.MouseForwarding());
    EXPECT_FALSE(apply.Busy());
}

TEST_F(ApplyControllerTest, FailureShowsItsTextSavesNothingAndApplyWorksAgain)
{
    apply.Start();
    const auto profileBefore = ReadAll(store.SlotPath(store.CurrentSlot()));
    const auto directoryBefore = ReadAll(store.DirectoryPath());
    sim.FailCommand(0x0C);
    store.CurrentProfile().reportRate = 8;
    ASSERT_TRUE(ApplyAndWait());
    EXPECT_EQ(failure, WriteFailure::LedColor);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].kind, MessageKind::InfoBox);
    EXPECT_EQ(Utf16ToUtf8(sink.shown[0].text), "Write mouse LED color failed.\n");
    EXPECT_EQ(ReadAll(store.SlotPath(store.CurrentSlot())), profileBefore);
    EXPECT_EQ(ReadAll(store.DirectoryPath()), directoryBefore);
    // The mouse kept the new buttons; the failure ended the pass before the report rate.
    EXPECT_EQ(sim.GetState().buttonTable[0], 0x01);
    EXPECT_EQ(sim.GetState().reportRate, 0);
    EXPECT_FALSE(apply.Busy());
    ASSERT_TRUE(ApplyAndWait());
    EXPECT_EQ(failure, WriteFailure::LedColor);
}

TEST_F(ApplyControllerTest, SecondRequestWhileAPassRunsIsRefused)
{
    apply.Start();
    ASSERT_TRUE(apply.RequestApply());
    EXPECT_FALSE(apply.RequestApply());
    EXPECT_FALSE(apply.RestoreDefaults());
    ASSERT_TRUE(queue.RunUntil([this] { return finished; }));
    EXPECT_TRUE(ApplyAndWait());
}

TEST_F(ApplyControllerTest, RestoreDefaultsAppliesTheDefaultsAndClearsTheMacroIds)
{
    apply.Start();
    store.CurrentProfile().ledMode = 1;
    store.ButtonMacroIds()[0] = 5;
    ASSERT_TRUE(apply.RestoreDefaults());
    ASSERT_TRUE(queue.RunUntil([this] { return finished; }));
    EXPECT_EQ(store.CurrentProfile().ledMode, 4);
    EXPECT_EQ(store.ButtonMacroIds()[0], 0u);
    EXPECT_EQ(sim.GetState().ledEffect, (std::array<uint8_t, 3>{4, 10, 2}));
}

TEST_F(ApplyControllerTest, ARecordThatIsNotAProfileIsNeverSent)
{
    apply.Start();
    store.CurrentProfile().magic = 0;
    EXPECT_FALSE(apply.RequestApply());
    EXPECT_EQ(sim.GetState().reportRate, 0);
}

} // namespace
} // namespace qx71
