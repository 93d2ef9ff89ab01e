#include "support/HookPosters.h"

#include "core/hooks/HookState.h"

#include "core/hooks/IInputHooks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace qx71 {
namespace {

constexpr WindowHandle kMain = 100;
constexpr WindowHandle kRecorder = 200;

using Poster = test::RecordingPoster;

struct Backend final : IInputHooks {
    IInputEventSink* sink = nullptr;
    std::vector<uint32_t> swallowed;
    bool Install(IInputEventSink& s) override
    {
        sink = &s;
        return true;
    }
    void Uninstall() override { sink = nullptr; }
    bool SetSwallowedTriggers(const std::vector<uint32_t>& codes) override
    {
        swallowed = codes;
        return true;
    }
};

MouseInput Mouse(uint32_t message, uint32_t data = 0)
{
    return {message, data};
}

class HookStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(hooks.Install(kMain));
        hooks.SetForwarding(false, true);
    }
    // Runs the events; returns which were swallowed.
    std::vector<bool> Run(const std::vector<MouseInput>& events)
    {
        std::vector<bool> swallowed;
        for (const auto& e : events) {
            swallowed.push_back(hooks.OnMouse(e));
        }
        return swallowed;
    }
    Poster poster;
    Backend backend;
    HookState hooks{poster, &backend};
};

TEST_F(HookStateTest, TriggerPressAndItsReleaseAreSwallowedAndReported)
{
    hooks.AddTrigger(TriggerCode::kRight);
    EXPECT_EQ(backend.swallowed, std::vector<uint32_t>{0x204});
    EXPECT_EQ(Run({Mouse(0x204), Mouse(0x205), Mouse(0x201), Mouse(0x202)}),
              (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(poster.posts,
              (std::vector<HookPost>{{kMain, 0x7EB, 0x204, 0}, {kMain, 0x7EB, 0x201, 0}}));

    // Removed: right clicks pass again and are only reported.
    hooks.RemoveTrigger(TriggerCode::kRight);
    EXPECT_TRUE(backend.swallowed.empty());
    poster.posts.clear();
    EXPECT_EQ(Run({Mouse(0x204), Mouse(0x205)}), (std::vector<bool>{false, false}));
    EXPECT_EQ(poster.posts, (std::vector<HookPost>{{kMain, 0x7EB, 0x204, 0}}));
}

TEST_F(HookStateTest, WheelAndSideButtonTriggers)
{
    hooks.AddTrigger(TriggerCode::kWheelBackward);
    hooks.AddTrigger(TriggerCode::kForward);
    const uint32_t back = WheelMouseData(-120);
    const uint32_t fwd = WheelMouseData(120);
    EXPECT_EQ(Run({Mouse(0x20A, back), Mouse(0x20A, fwd), Mouse(0x20B, SideButtonMouseData(2)),
                   Mouse(0x20C, SideButtonMouseData(2)), Mouse(0x20B, SideButtonMouseData(1)),
                   Mouse(0x20C, SideButtonMouseData(1))}),
              (std::vector<bool>{true, false, true, true, false, false}));
    EXPECT_EQ(poster.posts, (std::vector<HookPost>{{kMain, 0x7EB, 0x20A00, 0},
                                                   {kMain, 0x7EB, 0x20A01, 0},
                                                   {kMain, 0x7EB, 0x2020B, 0},
                                                   {kMain, 0x7EB, 0x1020B, 0}}));
}

TEST_F(HookStateTest, WithoutMouseForwardingOnlyTriggersAreReportedAndMovesNever)
{
    hooks.SetForwarding(false, false);
    hooks.AddTrigger(TriggerCode::kMiddle);
    EXPECT_EQ(Run({Mouse(0x200), Mouse(0x201), Mouse(0x207), Mouse(0x208)}),
              (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(poster.posts, (std::vector<HookPost>{{kMain, 0x7EB, 0x207, 0}}));
}

TEST_F(HookStateTest, TriggerTableKeepsOneEntryPerCodeAndAtMostTwelve)
{
    hooks.AddTrigger(0x204);
    hooks.AddTrigger(0x204);
    EXPECT_EQ(hooks.Triggers().size(), 1u);
    hooks.RemoveTrigger(0x999);
    EXPECT_EQ(hooks.Triggers(), std::vector<uint32_t>{0x204});
    for (uint32_t code = 1; code <= 20; ++code) {
        hooks.AddTrigger(0x1000 + code);
    }
    EXPECT_EQ(hooks.Triggers().size(), HookState::kTriggerSlots);
    EXPECT_FALSE(hooks.IsTrigger(0x1000 + 12)); // the thirteenth code found no room
    EXPECT_FALSE(hooks.IsTrigger(0));
}

// Start-up registration (the window's thread) and the write pass (its own thread) change the
// table at the same time. Every set the backend receives is the table as it stands when the
// set takes effect: a writer never hands over a set that another writer has overtaken.
TEST(HookStateTriggers, TwoWritersPublishTheirSetsInTheOrderOfTheirChanges)
{
    struct CheckingBackend final : IInputHooks {
        HookState* hooks = nullptr;
        std::atomic<int> stale{0};
        std::atomic<int> sets{0};
        bool Install(IInputEventSink&) override { return true; }
        void Uninstall() override {}
        bool SetSwallowedTriggers(const std::vector<uint32_t>& codes) override
        {
            if (codes != hooks->Triggers()) {
                ++stale;
            }
            ++sets;
            return true;
        }
    } backend;
    Poster poster;
    HookState hooks{poster, &backend};
    backend.hooks = &hooks;
    constexpr int kRounds = 200;
    auto writer = [&](uint32_t code) {
        for (int i = 0; i < kRounds; ++i) {
            hooks.AddTrigger(code);
            hooks.RemoveTrigger(code);
        }
        hooks.AddTrigger(code);
    };
    std::thread startup(writer, TriggerCode::kRight);
    std::thread pass(writer, TriggerCode::kForward);
    startup.join();
    pass.join();
    EXPECT_EQ(backend.stale, 0);
    EXPECT_EQ(backend.sets, 4 * kRounds + 2);
    EXPECT_EQ(hooks.Triggers().size(), 2u);
}

TEST_F(HookStateTest, KeyEventsGoToTheRecorderAndPressesToTheStatistics)
{
    // Recording: "a" pressed and released, then left Ctrl.
    hooks.SetTarget(kRecorder);
    hooks.SetRecording(true, false);
    hooks.OnKey({0x41, 0});
    hooks.OnKey({0x41, 0x80});
    EXPECT_EQ(poster.posts,
              (std::vector<HookPost>{{kRecorder, 0x40A, 0x41, 0}, {kRecorder, 0x40A, 0x41, 0x80}}));

    // Recording stopped: the target returns to the main window.
    hooks.SetRecording(false, false);
    EXPECT_EQ(hooks.Target(), kMain);
    poster.posts.clear();
    hooks.SetForwarding(true, true);
    const std::pair<uint32_t, bool> flags[] = {
        {0x00, true},  {0x01, true},  {0x20, true}, {0x21, true}, // presses
        {0x30, false},                                            // Alt held and injected
        {0x80, false}, {0x81, false},                             // releases
    };
    for (const auto& [f, counted] : flags) {
        poster.posts.clear();
        hooks.OnKey({0x41, f});
        EXPECT_EQ(poster.posts.size(), counted ? 1u : 0u) << f;
        if (counted) {
            EXPECT_EQ(poster.posts[0], (HookPost{kMain, 0x7EB, 1, f}));
        }
    }
}

TEST_F(HookStateTest, InstallAndRemoveReachTheBackendAndTheTableSurvives)
{
    hooks.AddTrigger(0x204);
    EXPECT_EQ(backend.sink, &hooks);
    hooks.Remove();
    EXPECT_EQ(backend.sink, nullptr);
    EXPECT_TRUE(hooks.Install(kMain));
    EXPECT_TRUE(hooks.IsTrigger(0x204));
}

TEST_F(HookStateTest, TriggerTableChangesFromAnotherThreadAreSeen)
{
    std::thread writer([&] {
        for (int i = 0; i < 1000; ++i) {
            hooks.AddTrigger(0x204);
            hooks.RemoveTrigger(0x204);
        }
        hooks.AddTrigger(0x204);
    });
    for (int i = 0; i < 1000; ++i) {
        hooks.OnMouse(Mouse(0x204));
        hooks.OnMouse(Mouse(0x205));
    }
    writer.join();
    EXPECT_TRUE(hooks.OnMouse(Mouse(0x204)));
}

TEST(TriggerCodeOf, MapsEveryObservedEvent)
{
    const std::pair<MouseInput, uint32_t> cases[] = {
        {{0x201, 0}, 0x201},
        {{0x204, 0}, 0x204},
        {{0x207, 0}, 0x207},
        {{0x20A, WheelMouseData(120)}, 0x20A01},
        {{0x20A, WheelMouseData(-120)}, 0x20A00},
        {{0x20B, SideButtonMouseData(1)}, 0x1020B},
        {{0x20B, SideButtonMouseData(2)}, 0x2020B},
        {{0x202, 0}, 0},
        {{0x200, 0}, 0},
    };
    for (const auto& [input, code] : cases) {
        EXPECT_EQ(TriggerCodeOf(input), code) << input.message;
    }
}

} // namespace
} // namespace qx71
