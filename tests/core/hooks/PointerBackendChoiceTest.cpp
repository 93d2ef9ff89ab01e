#include "core/hooks/PointerBackendChoice.h"
#include "core/hooks/DesktopPointerSpeed.h"

#include <gtest/gtest.h>

#include <string>

namespace qx71 {
namespace {

constexpr PointerSupport kSpeedAndPrecision{true, true, false};
constexpr PointerSupport kAll{true, true, true};
constexpr PointerSupport kNothing{false, false, false};

struct ChoiceCase {
    const char* desktop;
    const char* sessionType;
    bool display;
    bool wayland;
    PointerBackend backend;
    PointerSupport support;
};

TEST(PointerBackendChoice, TheSessionsEnvironmentPicksTheBackEndAndWhatItKeeps)
{
    const ChoiceCase cases[] = {
        {"GNOME", "wayland", true, true, PointerBackend::Gnome, kSpeedAndPrecision},
        {"GNOME", "x11", true, false, PointerBackend::Gnome, kSpeedAndPrecision},
        {"ubuntu:GNOME", "wayland", true, true, PointerBackend::Gnome, kSpeedAndPrecision},
        {"Budgie:GNOME", "x11", true, false, PointerBackend::Gnome, kSpeedAndPrecision},
        {"GNOME-Flashback:GNOME", "x11", true, false, PointerBackend::Gnome, kSpeedAndPrecision},
        {"gnome", "", false, false, PointerBackend::Gnome, kSpeedAndPrecision},
        {"X-Cinnamon", "x11", true, false, PointerBackend::Cinnamon, kSpeedAndPrecision},
        {"KDE", "wayland", true, true, PointerBackend::Kde, kAll},
        {"KDE", "x11", true, false, PointerBackend::Kde, kAll},
        {"XFCE", "x11", true, false, PointerBackend::X11, kSpeedAndPrecision},
        {"", "", true, false, PointerBackend::X11, kSpeedAndPrecision},
        {"MATE", "", true, false, PointerBackend::X11, kSpeedAndPrecision},
        {"sway", "wayland", true, true, PointerBackend::Desktop, kNothing},
        {"Hyprland", "", false, true, PointerBackend::Desktop, kNothing},
        {"", "wayland", false, false, PointerBackend::Desktop, kNothing},
        // Not "GNOME" itself: a name that merely contains it is another desktop.
        {"GNOMEish", "x11", true, false, PointerBackend::X11, kSpeedAndPrecision},
        {"", "tty", false, false, PointerBackend::None, kNothing},
        {"", "", false, false, PointerBackend::None, kNothing},
        {"", "x11", false, false, PointerBackend::None, kNothing},
    };
    for (const ChoiceCase& c : cases) {
        const SessionDescription session{c.desktop, c.sessionType, c.display, c.wayland};
        const PointerBackend backend = ChoosePointerBackend(session);
        EXPECT_EQ(backend, c.backend) << c.desktop << " / " << c.sessionType;
        EXPECT_EQ(SupportOf(backend), c.support) << c.desktop << " / " << c.sessionType;
    }
}

TEST(PointerBackendChoice, AWaylandSessionIsToldByItsTypeFirst)
{
    EXPECT_TRUE(IsWaylandSession({"GNOME", "wayland", true, true}));
    EXPECT_FALSE(IsWaylandSession({"KDE", "x11", true, true}));
    EXPECT_TRUE(IsWaylandSession({"", "", true, true}));
    EXPECT_FALSE(IsWaylandSession({"", "", true, false}));
}

TEST(DesktopPointerSpeed, TenIsTheMiddleAndTheEndsAreTheDesktopsEnds)
{
    const struct {
        int speed;
        double desktop;
    } cases[] = {{1, -1.0}, {4, -2.0 / 3.0}, {10, 0.0}, {15, 0.5}, {16, 0.6}, {20, 1.0}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(DesktopSpeedOf(c.speed), c.desktop) << c.speed;
    }
}

TEST(DesktopPointerSpeed, EveryProfileSpeedComesBackFromItsDesktopValue)
{
    for (int speed = 1; speed <= 20; ++speed) {
        EXPECT_EQ(SpeedOfDesktop(DesktopSpeedOf(speed)), speed);
    }
    EXPECT_EQ(SpeedOfDesktop(0.52), 15);
    EXPECT_EQ(SpeedOfDesktop(-0.05), 10);
    EXPECT_FALSE(SpeedOfDesktop(1.5));
    EXPECT_FALSE(SpeedOfDesktop(-1.01));
}

TEST(PointerSettingNote, OnlyASettingTheDesktopIgnoresGetsANoteAndThePageShowsOnePerArea)
{
    using enum PageLabel;
    const PointerSupport kSpeedOnly{true, false, false};
    const PointerSupport kPrecisionAndLines{false, true, true};
    const struct {
        const char* what;
        PointerSupport support;
        std::optional<PageLabel> pointer;
        std::optional<PageLabel> wheel;
    } cases[] = {
        {"a desktop that keeps all", kAll, std::nullopt, std::nullopt},
        {"X11: no wheel setting", kSpeedAndPrecision, std::nullopt, NoteSettingNotUsed},
        {"speed kept, precision not", kSpeedOnly, NoteSettingNotUsed, NoteSettingNotUsed},
        {"speed not kept", kPrecisionAndLines, NoteSettingNotUsed, std::nullopt},
        // A desktop that keeps none of them keeps them itself.
        {"nothing kept", kNothing, NoteDesktopKeepsSettings, NoteDesktopKeepsSettings},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PointerPageNotes notes = PointerNotes(c.support);
        EXPECT_EQ(notes.pointer, c.pointer);
        EXPECT_EQ(notes.wheel, c.wheel);
    }
    EXPECT_EQ(PointerSupportList(kSpeedAndPrecision), "speed, precision");
    EXPECT_EQ(PointerSupportList(kNothing), "none");
}

} // namespace
} // namespace qx71
