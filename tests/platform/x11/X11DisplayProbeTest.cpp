// GoogleTest first: Xlib's macros (None, Bool) would break its headers.
#include <gtest/gtest.h>

#include "platform/linux/X11DisplayProbe.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <string>

namespace qx71 {
namespace {

// The test's Xvfb has no compositing manager until a client takes the manager's selection.
TEST(X11DisplayProbe, CompositorIsTheOwnerOfTheManagerSelection)
{
    const char* name = std::getenv("DISPLAY");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(X11DisplayReachable(name));
    EXPECT_FALSE(X11DisplayReachable(":4711"));
    EXPECT_FALSE(X11CompositorRunning(":4711"));
    EXPECT_FALSE(X11CompositorRunning(name));

    Display* manager = XOpenDisplay(name);
    ASSERT_NE(manager, nullptr);
    const Window window =
        XCreateSimpleWindow(manager, DefaultRootWindow(manager), 0, 0, 1, 1, 0, 0, 0);
    const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(manager));
    XSetSelectionOwner(manager, XInternAtom(manager, selection.c_str(), False), window,
                       CurrentTime);
    XSync(manager, False);
    EXPECT_TRUE(X11CompositorRunning(name));

    XDestroyWindow(manager, window);
    XCloseDisplay(manager);
    EXPECT_FALSE(X11CompositorRunning(name)) << "the selection goes with its window";
}

} // namespace
} // namespace qx71
