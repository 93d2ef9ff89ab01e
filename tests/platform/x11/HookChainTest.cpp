// GoogleTest first: Xlib's macros (None, Bool) would break its headers.
#include <gtest/gtest.h>

#include "core/buttons/ButtonFunction.h"
#include "core/common/Utf.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "core/hooks/HookState.h"
#include "core/hooks/HostActionHandler.h"
#include "core/hooks/IHostLauncher.h"
#include "core/i18n/UiStrings.h"
#include "core/stats/StatsModel.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/linux/X11InputHooks.h"
#include "support/RecordingMessageSink.h"
#include "support/TempDir.h"

// Xlib last: its macros (None, Bool) clash with names of ours.
#include "X11TestSupport.h"

#include <X11/keysym.h>

namespace qx71 {
namespace {

using test::RecordingWindow;
using test::TaskQueue;
using test::XTestInjector;

constexpr WindowHandle kMainWindow = 1;
constexpr WindowHandle kRecorder = 2;

struct Launcher final : IHostLauncher {
    std::vector<std::string> sounds;
    bool PlaySound(const std::u16string& p) override
    {
        sounds.push_back(Utf16ToUtf8(p));
        return true;
    }
    bool StartProgram(const std::u16string&) override { return false; }
    bool OpenFile(const std::u16string&) override { return false; }
    bool OpenFolder(const std::u16string&) override { return false; }
};

// The window's side of the hooks: the main window hands the mouse message to the statistics
// and the host actions; the recorder keeps its key messages.
struct Windows final : IHookPoster {
    std::function<void(uint32_t, uint32_t)> mainWindow;
    std::vector<HookPost> recorder;
    void Post(const HookPost& p) override
    {
        if (p.window == kMainWindow && p.message == kMsgHookMouse) {
            mainWindow(p.wParam, p.lParam);
        } else if (p.window == kRecorder) {
            recorder.push_back(p);
        }
    }
};

// The whole chain on a real X server: XTest input, the X11 hooks, the hook procedures, the
// main window's handler, the statistics and the host action.
class HookChain : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(injector.Ok()) << "no X display with XTest";
        ASSERT_TRUE(window.Ok());
        injector.MoveTo(RecordingWindow::kWidth / 2, RecordingWindow::kHeight / 2);
        profile.buttons[2].function = ToCode(ButtonFunction::HostAction);
        profile.buttons[2].hostKind = 0xC0;
        SetText(profile.buttons[2].hostPath, u"/tmp/ding.wav");
        windows.mainWindow = [this](uint32_t w, uint32_t l) { handler.Handle(w, l, profile); };
        ASSERT_TRUE(state.Install(kMainWindow));
        state.SetForwarding(false, true);
    }

    TaskQueue queue;
    X11InputHooks backend{queue.Poster()};
    Windows windows;
    HookState state{windows, &backend};
    test::TempDir tmp;
    PosixFileSystem fs;
    test::RecordingMessageSink messages;
    UiStrings strings;
    StatsModel stats{fs, messages, strings, tmp / "Sts.cfg"};
    Launcher launcher;
    HostActionHandler handler{launcher, [this](uint32_t w, uint32_t) { stats.Count(w); }};
    ProfileRecord profile = DefaultProfile(false);
    XTestInjector injector;
    RecordingWindow window;
};

TEST_F(HookChain, ClicksAndWheelStepsAreCountedAndATriggerRunsItsActionOnly)
{
    state.AddTrigger(0x204); // as the write pass does for a host action on the right button
    for (unsigned button : {1u, 3u, 4u, 5u, 5u, 2u}) {
        injector.Click(button);
    }
    ASSERT_TRUE(window.WaitFor(ButtonRelease, 2));
    ASSERT_TRUE(queue.RunUntil([&] { return stats.Record().middleClicks == 1; }));
    EXPECT_EQ(stats.Record().leftClicks, 1u);
    EXPECT_EQ(stats.Record().rightClicks, 1u);
    EXPECT_EQ(stats.Record().wheelForward, 1u);
    EXPECT_EQ(stats.Record().wheelBackward, 2u);
    EXPECT_EQ(launcher.sounds, std::vector<std::string>{"/tmp/ding.wav"});
    EXPECT_FALSE(window.Got(ButtonPress, 3));
    EXPECT_FALSE(window.Got(ButtonRelease, 3));
    EXPECT_TRUE(window.Got(ButtonPress, 1));
}

TEST_F(HookChain, KeyRecordingDeliversTheVirtualKeysToTheRecorder)
{
    state.SetTarget(kRecorder);
    state.SetRecording(true, false);
    injector.Type(XK_a);
    injector.Type(XK_Control_L);
    ASSERT_TRUE(queue.RunUntil([&] { return windows.recorder.size() >= 4; }));
    const std::vector<HookPost> expected = {{kRecorder, 0x40A, 0x41, 0},
                                            {kRecorder, 0x40A, 0x41, 0x80},
                                            {kRecorder, 0x40A, 0xA2, 0},
                                            {kRecorder, 0x40A, 0xA2, 0x80}};
    EXPECT_EQ(windows.recorder, expected);
    state.SetRecording(false, false);
    EXPECT_EQ(state.Target(), kMainWindow);
}

} // namespace
} // namespace qx71
