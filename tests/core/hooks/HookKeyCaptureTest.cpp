#include "support/HookPosters.h"

#include "core/hooks/HookKeyCapture.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

constexpr WindowHandle kMainWindow = 100;
constexpr WindowHandle kPage = 300;

using Poster = test::RecordingPoster;

TEST(HookKeyCaptureTest, KeysReachThePageOnlyWhileItCaptures)
{
    Poster poster;
    HookState hooks(poster);
    ASSERT_TRUE(hooks.Install(kMainWindow));
    hooks.SetForwarding(false, true); // as the main window leaves them after installing
    HookKeyCapture capture(hooks, kPage);

    capture.CaptureKeys();
    EXPECT_EQ(hooks.Target(), kPage);
    hooks.OnKey({0x41, 0});
    hooks.OnKey({0x41, 0x80});
    EXPECT_EQ(poster.posts,
              (std::vector<HookPost>{{kPage, 0x40A, 0x41, 0}, {kPage, 0x40A, 0x41, 0x80}}));

    capture.StopCapture();
    EXPECT_EQ(hooks.Target(), kMainWindow);
    EXPECT_FALSE(hooks.KeyRecording());
    poster.posts.clear();
    hooks.OnKey({0x42, 0});
    EXPECT_TRUE(poster.posts.empty());

    // Stopping again changes nothing; capturing again reaches the page again.
    capture.StopCapture();
    EXPECT_EQ(hooks.Target(), kMainWindow);
    capture.CaptureKeys();
    hooks.OnKey({0x43, 0});
    EXPECT_EQ(poster.posts, (std::vector<HookPost>{{kPage, 0x40A, 0x43, 0}}));
}

TEST(HookKeyCaptureTest, MouseEventsAndForwardedPressesStayWithTheMainWindowDuringCapture)
{
    Poster poster;
    HookState hooks(poster);
    ASSERT_TRUE(hooks.Install(kMainWindow));
    hooks.SetForwarding(true, true);
    hooks.AddTrigger(TriggerCode::kRight);
    HookKeyCapture capture(hooks, kPage);
    capture.CaptureKeys();

    EXPECT_TRUE(hooks.OnMouse({0x204, 0}));
    EXPECT_FALSE(hooks.OnMouse({0x201, 0}));
    hooks.OnKey({0x41, 0});
    EXPECT_EQ(poster.posts, (std::vector<HookPost>{{kMainWindow, 0x7EB, 0x204, 0},
                                                   {kMainWindow, 0x7EB, 0x201, 0},
                                                   {kMainWindow, 0x7EB, 1, 0},
                                                   {kPage, 0x40A, 0x41, 0}}));
}

} // namespace
} // namespace qx71
