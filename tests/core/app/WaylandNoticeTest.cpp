#include "core/app/WaylandNotice.h"

#include "support/FaultyFileSystem.h"
#include "support/RecordingMessageSink.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(WaylandNotice, AWaylandSessionIsToldOnceAndNeverAgain)
{
    test::TempDir data;
    test::FaultyFileSystem files;
    test::RecordingMessageSink messages;
    EXPECT_EQ(ShowWaylandNoticeOnce(true, files, data.path(), messages, false),
              WaylandNoticeOutcome::Shown);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::SystemBox);
    EXPECT_NE(messages.shown[0].text.find(u"XWayland"), std::u16string::npos);
    EXPECT_NE(messages.shown[0].text.find(u"Everything the mouse itself does works fully"),
              std::u16string::npos);
    EXPECT_EQ(ShowWaylandNoticeOnce(true, files, data.path(), messages, false),
              WaylandNoticeOutcome::NotShown);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(WaylandNotice, AnX11SessionIsNotTold)
{
    test::TempDir data;
    test::FaultyFileSystem files;
    test::RecordingMessageSink messages;
    EXPECT_EQ(ShowWaylandNoticeOnce(false, files, data.path(), messages, true),
              WaylandNoticeOutcome::NotShown);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(files.Exists(data.path() / kWaylandNoticeMarker));
}

TEST(WaylandNotice, AMarkerThatCannotBeWrittenStillShowsAndSaysSo)
{
    test::TempDir data;
    test::FaultyFileSystem files;
    files.writeError = FileError::AccessDenied;
    test::RecordingMessageSink messages;
    EXPECT_EQ(ShowWaylandNoticeOnce(true, files, data.path(), messages, true),
              WaylandNoticeOutcome::ShownNotRemembered);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, u"Wayland");
}

TEST(SessionReport, TheHooksLimitIsNamedForAWaylandSession)
{
    const SessionDescription wayland{"GNOME", "wayland", true, true};
    EXPECT_EQ(SessionTypeName(wayland), "wayland");
    EXPECT_NE(SessionReport(wayland).find("see only X11 windows"), std::string::npos);
    const SessionDescription x11{"XFCE", "x11", true, false};
    EXPECT_EQ(SessionTypeName(x11), "x11");
    EXPECT_EQ(SessionReport(x11).find("only X11"), std::string::npos);
    EXPECT_EQ(SessionTypeName({"", "", false, false}), "none");
}

} // namespace
} // namespace qx71
