// The X11 focus source against a real X server, with the test playing the window manager: it
// publishes _NET_SUPPORTED and _NET_ACTIVE_WINDOW on the root window as one does.
// GoogleTest and the core's headers first: Xlib's macros (None, Bool) would break them.
#include <gtest/gtest.h>

#include "platform/linux/X11FocusSource.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

namespace qx71 {
namespace {

// The test's stand-in for a window manager and its clients.
class FakeDesktop {
public:
    FakeDesktop() : display_(XOpenDisplay(nullptr)) {}
    ~FakeDesktop()
    {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    bool Ok() const { return display_ != nullptr; }
    Atom Intern(const char* name) { return XInternAtom(display_, name, False); }
    Window Root() const { return DefaultRootWindow(display_); }

    // A window manager that names the active window starts.
    void PublishSupport()
    {
        const Window check = XCreateSimpleWindow(display_, Root(), 0, 0, 1, 1, 0, 0, 0);
        SetLongs(check, Intern("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, {check});
        SetLongs(Root(), Intern("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, {check});
        SetLongs(Root(), Intern("_NET_SUPPORTED"), XA_ATOM,
                 {Intern("_NET_WM_NAME"), Intern("_NET_ACTIVE_WINDOW")});
        XSync(display_, False);
        check_ = check;
    }
    // It ends: its window goes, the root's properties stay.
    void EndWindowManager()
    {
        XDestroyWindow(display_, check_);
        XSync(display_, False);
    }
    Window Client(const char* instance, const char* windowClass, std::optional<long> pid)
    {
        const Window window = XCreateSimpleWindow(display_, Root(), 0, 0, 10, 10, 0, 0, 0);
        std::string name = instance;
        std::string klass = windowClass;
        XClassHint hint{name.data(), klass.data()};
        XSetClassHint(display_, window, &hint);
        if (pid) {
            SetLongs(window, Intern("_NET_WM_PID"), XA_CARDINAL,
                     {static_cast<unsigned long>(*pid)});
        }
        XSync(display_, False);
        return window;
    }
    void Activate(Window window)
    {
        SetLongs(Root(), Intern("_NET_ACTIVE_WINDOW"), XA_WINDOW, {window});
        XSync(display_, False);
    }

private:
    void SetLongs(Window window, Atom property, Atom type, std::vector<unsigned long> values)
    {
        XChangeProperty(display_, window, property, type, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(values.data()),
                        static_cast<int>(values.size()));
    }

    Display* display_;
    Window check_ = None;
};

class X11FocusSourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(desktop.Ok()) << "no X display";
        // The runner's own session must not decide the outcome.
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("XDG_SESSION_TYPE");
    }
    void StartSource()
    {
        source.Start({[this](const FocusedWindow& w) { focused.push_back(w); },
                      [this](FocusWatch w) { watch = w; }});
    }

    FakeDesktop desktop;
    test::TaskQueue tasks;
    X11FocusSource source{tasks.Poster()};
    std::vector<FocusedWindow> focused;
    std::optional<FocusWatch> watch;
};

TEST_F(X11FocusSourceTest, FollowsTheActiveWindowOnceAWindowManagerNamesIt)
{
    StartSource();
    ASSERT_TRUE(tasks.RunUntil([&] { return watch.has_value(); }));
    EXPECT_EQ(*watch, FocusWatch::NoActiveWindow);

    const Window game = desktop.Client("sauerbraten", "Sauerbraten", std::nullopt);
    const Window own = desktop.Client("qx71", "qx71", static_cast<long>(getpid()));
    desktop.Activate(game);
    desktop.PublishSupport();
    ASSERT_TRUE(tasks.RunUntil([&] { return watch == FocusWatch::Watching && !focused.empty(); }));
    EXPECT_EQ(focused.back(), (FocusedWindow{"sauerbraten", "Sauerbraten", "", false}));

    desktop.Activate(own);
    ASSERT_TRUE(tasks.RunUntil([&] { return focused.size() == 2; }));
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").filename().string();
    EXPECT_EQ(focused.back(), (FocusedWindow{"qx71", "qx71", self, true}));

    desktop.Activate(None);
    ASSERT_TRUE(tasks.RunUntil([&] { return focused.size() == 3; }));
    EXPECT_EQ(focused.back(), FocusedWindow{});

    desktop.EndWindowManager();
    ASSERT_TRUE(tasks.RunUntil([&] { return watch == FocusWatch::NoActiveWindow; }));
}

TEST_F(X11FocusSourceTest, NothingArrivesAfterStop)
{
    desktop.PublishSupport();
    StartSource();
    ASSERT_TRUE(tasks.RunUntil([&] { return watch == FocusWatch::Watching; }));
    source.Stop();
    const size_t before = focused.size();
    desktop.Activate(desktop.Client("late", "Late", std::nullopt));
    tasks.RunPending();
    EXPECT_EQ(focused.size(), before);
}

TEST(FocusSessionTest, WaylandIsTheSessionTypeOrAWaylandDisplay)
{
    EXPECT_TRUE(IsWaylandSession("wayland", nullptr));
    EXPECT_TRUE(IsWaylandSession(nullptr, "wayland-0"));
    EXPECT_TRUE(IsWaylandSession("x11", "wayland-0"));
    EXPECT_FALSE(IsWaylandSession("x11", nullptr));
    EXPECT_FALSE(IsWaylandSession(nullptr, ""));
    EXPECT_FALSE(IsWaylandSession("tty", nullptr));
}

TEST(FocusSessionTest, TheExecutableIsTheFileTheProcessRuns)
{
    test::TempDir proc;
    std::filesystem::create_directories(proc / "10");
    std::filesystem::create_symlink("/opt/game/bin/sauer_client (deleted)", proc / "10/exe");
    std::filesystem::create_directories(proc / "20");
    test::WriteText(proc / "20/comm", "steam\n");
    EXPECT_EQ(ExecutableNameOf(10, proc.path().string()), "sauer_client");
    EXPECT_EQ(ExecutableNameOf(20, proc.path().string()), "steam");
    EXPECT_EQ(ExecutableNameOf(30, proc.path().string()), "");
    EXPECT_EQ(ExecutableNameOf(0, proc.path().string()), "");
}

} // namespace
} // namespace qx71
