// GoogleTest first: Xlib's macros (None, Bool) would break its headers.
#include <gtest/gtest.h>

#include "X11TestSupport.h"

#include "platform/linux/X11InputHooks.h"

#include <X11/keysym.h>

#include <thread>

namespace qx71 {
namespace {

using test::RecordingSink;
using test::RecordingWindow;
using test::TaskQueue;
using test::XTestInjector;

constexpr uint32_t kTriggerRight = 0x204;
constexpr uint32_t kTriggerLeft = 0x201;
constexpr uint32_t kTriggerMiddle = 0x207;
constexpr uint32_t kTriggerWheelBackward = 0x20A00;
constexpr uint32_t kTriggerSideForward = 0x2020B;

const MouseInput kLeftDown{0x201, 0};
const MouseInput kLeftUp{0x202, 0};
const MouseInput kRightDown{0x204, 0};
const MouseInput kRightUp{0x205, 0};
const MouseInput kMiddleDown{0x207, 0};
const MouseInput kMiddleUp{0x208, 0};
const MouseInput kWheelForward{0x20A, 0x00780000};
const MouseInput kWheelBackward{0x20A, 0xFF880000};
const MouseInput kBackDown{0x20B, 0x10000};
const MouseInput kBackUp{0x20C, 0x10000};
const MouseInput kForwardDown{0x20B, 0x20000};
const MouseInput kForwardUp{0x20C, 0x20000};

class X11Hooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(injector.Ok()) << "no X display with XTest";
        ASSERT_TRUE(window.Ok());
        injector.MoveTo(RecordingWindow::kWidth / 2, RecordingWindow::kHeight / 2);
    }

    bool WaitMouse(size_t count)
    {
        return queue.RunUntil([&] { return sink.mouse.size() >= count; });
    }
    bool WaitKeys(size_t count)
    {
        return queue.RunUntil([&] { return sink.keys.size() >= count; });
    }

    TaskQueue queue;
    RecordingSink sink;
    X11InputHooks hooks{queue.Poster()};
    XTestInjector injector;
    RecordingWindow window;
};

struct SwallowCase {
    const char* name;
    uint32_t trigger;
    unsigned button;
    std::vector<MouseInput> reported; // what a press and release of `button` reports
    unsigned other;                   // a button that is no trigger
    std::vector<MouseInput> otherReported;
};

class X11HooksSwallow : public X11Hooks, public ::testing::WithParamInterface<SwallowCase> {};

// A trigger button's press and release reach the hooks but no other client; once the trigger
// is gone they reach the window again. The other button, clicked after, is the marker that
// everything before it was delivered (the server keeps the order).
TEST_P(X11HooksSwallow, TriggerReachesOnlyTheHooksUntilRemoved)
{
    const SwallowCase& c = GetParam();
    ASSERT_TRUE(hooks.SetSwallowedTriggers({c.trigger}));
    ASSERT_TRUE(hooks.Install(sink));

    injector.Click(c.button);
    injector.Click(c.other);
    ASSERT_TRUE(window.WaitFor(ButtonRelease, c.other));
    std::vector<MouseInput> expected = c.reported;
    expected.insert(expected.end(), c.otherReported.begin(), c.otherReported.end());
    ASSERT_TRUE(WaitMouse(expected.size()));
    EXPECT_EQ(sink.mouse, expected);
    EXPECT_FALSE(window.Got(ButtonPress, c.button));
    EXPECT_FALSE(window.Got(ButtonRelease, c.button));

    // Changed from another thread, as the writer thread does.
    bool removed = false;
    std::thread([&] { removed = hooks.SetSwallowedTriggers({}); }).join();
    ASSERT_TRUE(removed);
    window.Clear();
    sink.mouse.clear();
    injector.Click(c.button);
    EXPECT_TRUE(window.WaitFor(ButtonPress, c.button));
    EXPECT_TRUE(window.WaitFor(ButtonRelease, c.button));
    ASSERT_TRUE(WaitMouse(c.reported.size()));
    EXPECT_EQ(sink.mouse, c.reported);
}

INSTANTIATE_TEST_SUITE_P(
    Triggers, X11HooksSwallow,
    ::testing::Values(
        SwallowCase{"Right", kTriggerRight, 3, {kRightDown, kRightUp}, 2, {kMiddleDown, kMiddleUp}},
        SwallowCase{"Left", kTriggerLeft, 1, {kLeftDown, kLeftUp}, 3, {kRightDown, kRightUp}},
        SwallowCase{"Middle", kTriggerMiddle, 2, {kMiddleDown, kMiddleUp}, 1, {kLeftDown, kLeftUp}},
        // Only the backward step is held; forward steps scroll.
        SwallowCase{
            "WheelBackward", kTriggerWheelBackward, 5, {kWheelBackward}, 4, {kWheelForward}},
        SwallowCase{"SideForward",
                    kTriggerSideForward,
                    9,
                    {kForwardDown, kForwardUp},
                    8,
                    {kBackDown, kBackUp}}),
    [](const ::testing::TestParamInfo<SwallowCase>& p) { return p.param.name; });

TEST_F(X11Hooks, EveryClickAndWheelStepIsReportedAndPassesOn)
{
    ASSERT_TRUE(hooks.Install(sink));
    for (unsigned button : {1u, 2u, 3u, 4u, 5u, 8u, 9u}) {
        injector.Click(button);
    }
    // Pointer moves and the horizontal wheel are never reported.
    injector.MoveTo(10, 10);
    injector.Click(6);
    injector.Click(1);
    ASSERT_TRUE(window.WaitFor(ButtonRelease, 9));
    ASSERT_TRUE(WaitMouse(14));
    const std::vector<MouseInput> expected{
        kLeftDown,      kLeftUp,   kMiddleDown, kMiddleUp,    kRightDown, kRightUp,  kWheelForward,
        kWheelBackward, kBackDown, kBackUp,     kForwardDown, kForwardUp, kLeftDown, kLeftUp};
    EXPECT_EQ(sink.mouse, expected);
}

struct KeyCase {
    const char* name;
    std::vector<std::pair<unsigned long, bool>> strokes; // keysym, pressed
    std::vector<KeyInput> reported;
};

class X11HooksKeys : public X11Hooks, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(X11HooksKeys, KeysReportWindowsVirtualKeysAndFlags)
{
    const KeyCase& c = GetParam();
    ASSERT_TRUE(hooks.Install(sink));
    for (auto [keysym, pressed] : c.strokes) {
        injector.Key(keysym, pressed);
    }
    ASSERT_TRUE(WaitKeys(c.reported.size()));
    // Nothing more than expected: a marker key after the case must come next.
    injector.Type(XK_Escape);
    ASSERT_TRUE(WaitKeys(c.reported.size() + 2));
    std::vector<KeyInput> expected = c.reported;
    expected.push_back({0x1B, 0});
    expected.push_back({0x1B, 0x80});
    EXPECT_EQ(sink.keys, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, X11HooksKeys,
    ::testing::Values(
        KeyCase{"LetterA", {{XK_a, true}, {XK_a, false}}, {{0x41, 0}, {0x41, 0x80}}},
        KeyCase{
            "LeftCtrl", {{XK_Control_L, true}, {XK_Control_L, false}}, {{0xA2, 0}, {0xA2, 0x80}}},
        KeyCase{"RightCtrlIsExtended",
                {{XK_Control_R, true}, {XK_Control_R, false}},
                {{0xA3, 0x01}, {0xA3, 0x81}}},
        KeyCase{
            "ArrowIsExtended", {{XK_Right, true}, {XK_Right, false}}, {{0x27, 1}, {0x27, 0x81}}},
        KeyCase{"KeypadEnterIsExtendedEnter",
                {{XK_KP_Enter, true}, {XK_KP_Enter, false}},
                {{0x0D, 1}, {0x0D, 0x81}}},
        KeyCase{"Punctuation",
                {{XK_bracketleft, true}, {XK_bracketleft, false}, {XK_F5, true}, {XK_F5, false}},
                {{0xDB, 0}, {0xDB, 0x80}, {0x74, 0}, {0x74, 0x80}}},
        // The letter's code does not follow Shift.
        KeyCase{"ShiftedLetter",
                {{XK_Shift_L, true}, {XK_a, true}, {XK_a, false}, {XK_Shift_L, false}},
                {{0xA0, 0}, {0x41, 0}, {0x41, 0x80}, {0xA0, 0x80}}},
        KeyCase{"AltHeld",
                {{XK_Alt_L, true}, {XK_a, true}, {XK_a, false}, {XK_Alt_L, false}},
                {{0xA4, 0x20}, {0x41, 0x20}, {0x41, 0xA0}, {0xA4, 0x80}}},
        // Num Lock decides between the keypad digit and the navigation key.
        KeyCase{"KeypadFollowsNumLock",
                {{XK_Num_Lock, true},
                 {XK_Num_Lock, false},
                 {XK_KP_1, true},
                 {XK_KP_1, false},
                 {XK_Num_Lock, true},
                 {XK_Num_Lock, false},
                 {XK_KP_1, true},
                 {XK_KP_1, false}},
                {{0x90, 1},
                 {0x90, 0x81},
                 {0x61, 0},
                 {0x61, 0x80},
                 {0x90, 1},
                 {0x90, 0x81},
                 {0x23, 0},
                 {0x23, 0x80}}}),
    [](const ::testing::TestParamInfo<KeyCase>& p) { return p.param.name; });

TEST_F(X11Hooks, KeysStillReachTheFocusedWindow)
{
    ASSERT_TRUE(hooks.Install(sink));
    injector.Type(XK_a);
    const unsigned keycode = XKeysymToKeycode(injector.display(), XK_a);
    EXPECT_TRUE(window.WaitFor(KeyPress, keycode));
    EXPECT_TRUE(window.WaitFor(KeyRelease, keycode));
}

TEST_F(X11Hooks, ARefusedOrUnknownTriggerIsReportedAndTheRestHeld)
{
    ASSERT_TRUE(hooks.Install(sink));
    // Another client holds the right button already.
    Display* other = injector.display();
    XGrabButton(other, 3, AnyModifier, DefaultRootWindow(other), False, ButtonPressMask,
                GrabModeAsync, GrabModeAsync, None, None);
    XSync(other, False);
    EXPECT_FALSE(hooks.SetSwallowedTriggers({kTriggerRight, kTriggerMiddle}));
    EXPECT_FALSE(hooks.SetSwallowedTriggers({0x999, kTriggerMiddle}));
    XUngrabButton(other, 3, AnyModifier, DefaultRootWindow(other));
    XSync(other, False);

    injector.Click(2);
    injector.Click(1);
    ASSERT_TRUE(window.WaitFor(ButtonRelease, 1));
    EXPECT_FALSE(window.Got(ButtonPress, 2));
    EXPECT_TRUE(hooks.SetSwallowedTriggers({kTriggerRight}));
}

TEST_F(X11Hooks, UninstallReleasesTheButtonsAndDropsPostedEvents)
{
    ASSERT_TRUE(hooks.SetSwallowedTriggers({kTriggerRight}));
    ASSERT_TRUE(hooks.Install(sink));
    injector.Click(3);
    ASSERT_TRUE(queue.WaitPending(2));
    hooks.Uninstall();
    queue.RunPending();
    EXPECT_TRUE(sink.mouse.empty());

    injector.Click(3);
    EXPECT_TRUE(window.WaitFor(ButtonPress, 3));
    EXPECT_TRUE(window.WaitFor(ButtonRelease, 3));

    // The list is kept: a new installation holds the button again.
    ASSERT_TRUE(hooks.Install(sink));
    window.Clear();
    injector.Click(3);
    injector.Click(2);
    ASSERT_TRUE(window.WaitFor(ButtonRelease, 2));
    EXPECT_FALSE(window.Got(ButtonPress, 3));
    ASSERT_TRUE(WaitMouse(4));
    EXPECT_EQ(sink.mouse, (std::vector<MouseInput>{kRightDown, kRightUp, kMiddleDown, kMiddleUp}));
}

TEST(X11HooksNoDisplay, InstallFailsWithoutAServer)
{
    TaskQueue queue;
    RecordingSink sink;
    X11InputHooks hooks(queue.Poster(), ":9999");
    EXPECT_FALSE(hooks.Install(sink));
    EXPECT_FALSE(hooks.IsInstalled());
    EXPECT_TRUE(hooks.SetSwallowedTriggers({kTriggerRight}));
    EXPECT_FALSE(hooks.SetSwallowedTriggers({0x999}));
}

} // namespace
} // namespace qx71
