#include "support/HookPosters.h"

#include "core/config/ApplyController.h"

#include "core/common/Utf.h"
#include "core/config/ConfigStore.h"
#include "core/config/FixedText.h"
#include "core/device/CUSBDriver.h"
#include "core/i18n/UiStrings.h"
#include "core/macro/MacroInUse.h"
#include "core/macro/MacroRecord.h"
#include "platform/hid/TracingHidPlatform.h"
#include "platform/sim/SimulatedQx71.h"
#include "support/FakeClock.h"
#include "support/MacroFixtures.h"
#include "support/RecordingMessageSink.h"
#include "support/SystemBackends.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <future>
#include <map>
#include <memory>
#include <sstream>

namespace qx71 {
namespace {

using test::ReadAll;

using test::NoPoster;

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
                               shownWhenFinished = sink.shown.size();
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
    test::SystemFileSystem fs;
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
    size_t shownWhenFinished = 0;
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
    // The right button set to a macro, as the chooser stores it.
    store.CurrentProfile().buttons[2].function = 6;
    store.CurrentProfile().buttons[2].macroId = 0x15000009;
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
    EXPECT_EQ(reread.Directory().slots[reread.CurrentSlot()].macroIds[2], 0x15000009u);
    EXPECT_EQ(reread.ButtonMacroIds()[2], 0x15000009u);
    EXPECT_TRUE(hooks.Installed());
    EXPECT_EQ(hooks.MainWindow(), WindowHandle{42});
    EXPECT_FALSE(hooks.KeyboardForwarding());
    EXPECT_TRUE(hooks.MouseForwarding());
    EXPECT_FALSE(apply.Busy());
}

TEST_F(ApplyControllerTest, APassWhoseSettingsCannotBeStoredSaysItWasNotSaved)
{
    apply.Start();
    ASSERT_TRUE(ApplyAndWait());
    EXPECT_TRUE(apply.Saved());
    // A folder where the directory file goes: the mouse takes the pass, the disk refuses it.
    std::filesystem::remove(store.DirectoryPath());
    std::filesystem::create_directory(store.DirectoryPath());
    store.CurrentProfile().reportRate = 8;
    ASSERT_TRUE(ApplyAndWait());
    EXPECT_EQ(failure, std::nullopt);
    EXPECT_EQ(sim.GetState().reportRate, 8);
    EXPECT_FALSE(apply.Saved());
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].kind, MessageKind::InfoBox);
    // The profile was saved: the message names the file that was not.
    EXPECT_EQ(Utf16ToUtf8(sink.shown[0].text),
              "The settings were sent to the mouse, but they could not be saved in " +
                  store.DirectoryPath().string() + ".");
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
    EXPECT_EQ(shownWhenFinished, 0u) << "the progress display closes before the failure's box";
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

// Records every wait; at the chosen one (counted from 1) it runs `atSleep`, on the thread
// that waits.
class StopAtSleepClock final : public IClock {
public:
    void SleepMs(uint32_t ms) override
    {
        std::function<void()> action;
        {
            std::lock_guard lock(mutex_);
            sleeps_.push_back(ms);
            if (sleeps_.size() == stopAt_) {
                action = atSleep_;
            }
        }
        if (action) {
            action();
        }
    }
    uint32_t TickMs() override { return 0; }
    void StopAt(size_t n, std::function<void()> action)
    {
        std::lock_guard lock(mutex_);
        stopAt_ = n;
        atSleep_ = std::move(action);
    }
    std::vector<uint32_t> Sleeps()
    {
        std::lock_guard lock(mutex_);
        return sleeps_;
    }

private:
    std::mutex mutex_;
    std::vector<uint32_t> sleeps_;
    size_t stopAt_ = 0;
    std::function<void()> atSleep_;
};

// An apply of a profile whose middle button plays a macro, on its own clock and trace.
struct MacroApplyRig {
    static constexpr uint32_t kMacroId = 0x15000001;
    MacroApplyRig()
    {
        store.LoadDirectory();
        store.CurrentProfile().buttons[1].function = kMacroButtonFunction;
        store.ButtonMacroIds()[1] = kMacroId;
        EXPECT_TRUE(link.OpenDevice());
        apply = std::make_unique<ApplyController>(
            store, sink,
            WritePassServices{
                link,
                clock,
                nullptr,
                nullptr,
                [](uint32_t id) -> std::optional<MacroRecord> { return test::PressAMacro(id); },
                {}},
            queue.Poster());
        apply->SetObserver(
            {[this](int) { ++progressSeen; }, [this](std::optional<WriteFailure>) { ++finished; }});
    }
    size_t TraceLines() const
    {
        std::istringstream in(trace.str());
        size_t n = 0;
        for (std::string line; std::getline(in, line);) {
            ++n;
        }
        return n;
    }

    test::TempDir tmp;
    test::SystemFileSystem fs;
    test::RecordingMessageSink sink;
    UiStrings strings;
    ConfigStore store{fs, sink, strings, tmp.path()};
    StopAtSleepClock clock;
    SimulatedQx71 sim{clock};
    std::ostringstream trace;
    TracingHidPlatform traced{sim, trace};
    CUSBDriver link{traced, clock};
    test::TaskQueue queue;
    std::unique_ptr<ApplyController> apply;
    int progressSeen = 0;
    int finished = 0;
};

// Closing stops the thread during a pass: whatever wait the pass is in when the stop comes,
// the pass sends nothing more and waits no longer (at most one pacing wait of the mouse, the
// one under way), and neither its progress nor its outcome reaches the owner.
TEST(ApplyControllerStop, AStopDuringAPassEndsItAtTheWaitUnderWay)
{
    size_t waitsOfAPass = 0;
    {
        MacroApplyRig full;
        full.apply->Start();
        ASSERT_TRUE(full.apply->RequestApply());
        ASSERT_TRUE(full.queue.RunUntil([&] { return full.finished == 1; }));
        waitsOfAPass = full.clock.Sleeps().size();
        // The start, seven buttons, the macro's header and 16 blocks, the table's 2 blocks...
        ASSERT_GT(waitsOfAPass, 40u);
    }
    for (size_t stopAt : {size_t{1}, size_t{2}, size_t{4}, size_t{10}, size_t{30}, size_t{38},
                          waitsOfAPass - 3, waitsOfAPass}) {
        SCOPED_TRACE("stop at wait " + std::to_string(stopAt));
        MacroApplyRig rig;
        size_t linesAtStop = 0;
        std::promise<void> stopped;
        rig.clock.StopAt(stopAt, [&] {
            linesAtStop = rig.TraceLines();
            rig.apply->Stop(); // on the write thread itself: asks, does not wait
            stopped.set_value();
        });
        rig.apply->Start();
        ASSERT_TRUE(rig.apply->RequestApply());
        ASSERT_EQ(stopped.get_future().wait_for(test::kEventTimeout), std::future_status::ready);
        rig.apply->Stop();
        EXPECT_EQ(rig.clock.Sleeps().size(), stopAt) << "the pass waited after the stop";
        EXPECT_EQ(rig.TraceLines(), linesAtStop) << "the pass sent after the stop";
        const int progressBefore = rig.progressSeen;
        rig.queue.RunPending();
        EXPECT_EQ(rig.finished, 0);
        EXPECT_GE(rig.progressSeen, progressBefore);
    }
}

// Outcomes and progress posted by the thread but not yet run when the controller goes away
// are dropped: nothing runs on the destroyed controller (ASan reports any use), and the
// profile is not saved by a controller that no longer exists.
TEST(ApplyControllerStop, PostedOutcomeAfterTheControllerIsGoneIsDropped)
{
    MacroApplyRig rig;
    rig.apply->Start();
    const auto before = ReadAll(rig.store.SlotPath(rig.store.CurrentSlot()));
    rig.store.CurrentProfile().reportRate = 8;
    ASSERT_TRUE(rig.apply->RequestApply());
    // Twelve progress values and the outcome.
    ASSERT_TRUE(rig.queue.WaitPending(13));
    rig.apply.reset();
    rig.queue.RunPending();
    EXPECT_EQ(rig.finished, 0);
    EXPECT_EQ(rig.progressSeen, 0);
    EXPECT_EQ(ReadAll(rig.store.SlotPath(rig.store.CurrentSlot())), before);
}

// An outcome of the thread's earlier run that the owner handles only after a restart is
// stale: it must not mark the new run idle while a new pass runs.
TEST(ApplyControllerStop, OutcomeOfAnEarlierRunIsDroppedAfterARestart)
{
    MacroApplyRig rig;
    rig.apply->Start();
    ASSERT_TRUE(rig.apply->RequestApply());
    ASSERT_TRUE(rig.queue.WaitPending(13));
    rig.apply->Stop();
    rig.apply->Start();
    EXPECT_FALSE(rig.apply->Busy());
    rig.queue.RunPending();
    EXPECT_EQ(rig.finished, 0);
    ASSERT_TRUE(rig.apply->RequestApply());
    ASSERT_TRUE(rig.queue.RunUntil([&] { return rig.finished == 1; }));
}

// An apply from the window, whose macro list may lack macros or be unreadable.
struct MacroListRig {
    MacroListRig()
    {
        store.LoadDirectory();
        sink.shown.clear();
        EXPECT_TRUE(link.OpenDevice());
        apply.SetObserver({{}, [this](std::optional<WriteFailure> f) {
                               finished = true;
                               failure = f;
                           }});
        apply.SetMacroFile(tmp / "Macro.cfg", [this] { return macrosUnreadable; });
        apply.Start();
    }
    void SetMacroButton(size_t button, uint32_t id, std::u16string_view name)
    {
        ButtonAssignment& b = store.CurrentProfile().buttons[button];
        b.function = kMacroButtonFunction;
        b.macroId = id;
        SetText(b.displayName, name);
        store.ButtonMacroIds()[button] = id;
    }
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (const UserMessage& m : sink.shown) {
            texts.push_back(Utf16ToUtf8(m.text));
        }
        return texts;
    }

    test::TempDir tmp;
    test::SystemFileSystem fs;
    test::RecordingMessageSink sink;
    UiStrings strings;
    ConfigStore store{fs, sink, strings, tmp.path()};
    test::FakeClock clock;
    SimulatedQx71 sim{clock};
    CUSBDriver link{sim, clock};
    test::TaskQueue queue;
    std::map<uint32_t, MacroRecord> macros;
    bool macrosUnreadable = false;
    ApplyController apply{store, sink,
                          WritePassServices{link,
                                            clock,
                                            nullptr,
                                            nullptr,
                                            [this](uint32_t id) -> std::optional<MacroRecord> {
                                                const auto it = macros.find(id);
                                                if (it == macros.end()) {
                                                    return std::nullopt;
                                                }
                                                return it->second;
                                            },
                                            {}},
                          queue.Poster()};
    bool finished = false;
    std::optional<WriteFailure> failure;
};

// While the macros cannot be read, a macro button would go out as nothing: Apply is refused
// naming the file, nothing is sent or saved, and it works again once the file is read.
TEST(ApplyControllerMacros, AnUnreadableMacroFileRefusesApplyNamingIt)
{
    MacroListRig rig;
    rig.SetMacroButton(1, 0x15000001, u"Combo");
    rig.macros[0x15000001] = test::PressAMacro(0x15000001);
    rig.store.CurrentProfile().reportRate = 8;
    const auto profileBefore = ReadAll(rig.store.SlotPath(rig.store.CurrentSlot()));
    rig.macrosUnreadable = true;
    EXPECT_FALSE(rig.apply.RequestApply());
    rig.queue.RunPending();
    EXPECT_FALSE(rig.finished);
    EXPECT_EQ(rig.sim.GetState().reportRate, 0) << "nothing was sent";
    EXPECT_EQ(ReadAll(rig.store.SlotPath(rig.store.CurrentSlot())), profileBefore);
    EXPECT_EQ(rig.Shown(), std::vector<std::string>{(rig.tmp / "Macro.cfg").string() +
                                                    " cannot be read, so the macro buttons "
                                                    "cannot be sent; nothing was sent."});

    rig.macrosUnreadable = false;
    rig.sink.shown.clear();
    ASSERT_TRUE(rig.apply.RequestApply());
    ASSERT_TRUE(rig.queue.RunUntil([&] { return rig.finished; }));
    EXPECT_EQ(rig.failure, std::nullopt);
    EXPECT_EQ(rig.sim.GetState().reportRate, 8);
    EXPECT_TRUE(rig.sink.shown.empty());
}

// After an apply, the macro buttons that went out as nothing are named with their macro, as
// an import names them; a macro with events is sent and not named.
TEST(ApplyControllerMacros, AMacroTheListLacksIsNamedAfterTheApply)
{
    struct Case {
        const char* what;
        std::optional<uint16_t> events; // the macro in the list and its event count; none: absent
        bool tell;
        std::vector<std::string> shown;
    };
    const std::string lost = "These buttons are set to a macro that the macro list no longer "
                             "holds; they do nothing until they are set again:\n"
                             "Right: \"Combo\" (0x15000007)";
    const Case cases[] = {
        {"in the list", 2, true, {}},
        {"absent", std::nullopt, true, {lost}},
        {"without events", 0, true, {lost}},
        {"absent, named by the switch already", std::nullopt, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MacroListRig rig;
        rig.SetMacroButton(2, 0x15000007, u"Combo");
        if (c.events) {
            MacroRecord macro = test::PressAMacro(0x15000007);
            macro.eventCount = *c.events;
            macro.size = *c.events == 0 ? 0 : macro.size;
            rig.macros[0x15000007] = macro;
        }
        ASSERT_TRUE(rig.apply.RequestApply(c.tell));
        ASSERT_TRUE(rig.queue.RunUntil([&] { return rig.finished; }));
        EXPECT_EQ(rig.failure, std::nullopt);
        EXPECT_EQ(rig.Shown(), c.shown);
    }
}

} // namespace
} // namespace qx71
