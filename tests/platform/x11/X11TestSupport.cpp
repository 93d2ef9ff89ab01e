#include "X11TestSupport.h"

#include <X11/extensions/XTest.h>

#include <algorithm>
#include <poll.h>

namespace qx71 {

void PrintTo(const MouseInput& input, std::ostream* out)
{
    *out << std::hex << "{0x" << input.message << ", 0x" << input.mouseData << "}" << std::dec;
}

void PrintTo(const KeyInput& input, std::ostream* out)
{
    *out << std::hex << "{0x" << input.virtualKey << ", 0x" << input.flags << "}" << std::dec;
}

} // namespace qx71

namespace qx71::test {

XTestInjector::XTestInjector() : display_(XOpenDisplay(nullptr))
{
    if (display_ == nullptr) {
        return;
    }
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    xtest_ = XTestQueryExtension(display_, &event, &error, &major, &minor) != 0;
}

XTestInjector::~XTestInjector()
{
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

void XTestInjector::MoveTo(int x, int y)
{
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XSync(display_, False);
}

void XTestInjector::Button(unsigned button, bool press)
{
    XTestFakeButtonEvent(display_, button, press ? True : False, CurrentTime);
    XSync(display_, False);
}

void XTestInjector::Click(unsigned button)
{
    Button(button, true);
    Button(button, false);
}

void XTestInjector::Key(unsigned long keysym, bool press)
{
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    XTestFakeKeyEvent(display_, code, press ? True : False, CurrentTime);
    XSync(display_, False);
}

void XTestInjector::Type(unsigned long keysym)
{
    Key(keysym, true);
    Key(keysym, false);
}

void XTestInjector::Flush()
{
    XFlush(display_);
}

RecordingWindow::RecordingWindow() : display_(XOpenDisplay(nullptr))
{
    if (display_ == nullptr) {
        return;
    }
    const int screen = DefaultScreen(display_);
    XSetWindowAttributes attributes{};
    attributes.event_mask =
        ButtonPressMask | ButtonReleaseMask | KeyPressMask | KeyReleaseMask | StructureNotifyMask;
    attributes.override_redirect = True;
    window_ = XCreateWindow(display_, RootWindow(display_, screen), kX, kY, kWidth, kHeight, 0,
                            CopyFromParent, InputOutput, CopyFromParent,
                            CWEventMask | CWOverrideRedirect, &attributes);
    XMapRaised(display_, window_);
    // Mapped once the server says so; until then clicks would go to the root window.
    bool mapped = false;
    const auto deadline = std::chrono::steady_clock::now() + kEventTimeout;
    while (!mapped && std::chrono::steady_clock::now() < deadline) {
        XEvent event;
        XNextEvent(display_, &event);
        mapped = event.type == MapNotify && event.xmap.window == window_;
    }
    // Keys go to the window under the pointer while the focus follows the pointer root.
    XSetInputFocus(display_, PointerRoot, RevertToPointerRoot, CurrentTime);
    XSync(display_, False);
    if (!mapped) {
        XDestroyWindow(display_, window_);
        window_ = 0;
    }
}

RecordingWindow::~RecordingWindow()
{
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

void RecordingWindow::ReadPending()
{
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        switch (event.type) {
        case ButtonPress:
        case ButtonRelease:
            received_.push_back({event.type, event.xbutton.button});
            break;
        case KeyPress:
        case KeyRelease:
            received_.push_back({event.type, event.xkey.keycode});
            break;
        default:
            break;
        }
    }
}

bool RecordingWindow::Got(int type, unsigned detail) const
{
    return std::any_of(received_.begin(), received_.end(),
                       [&](const Received& r) { return r.type == type && r.detail == detail; });
}

bool RecordingWindow::WaitFor(int type, unsigned detail, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        ReadPending();
        if (Got(type, detail)) {
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()));
    }
}

void RecordingWindow::Clear()
{
    ReadPending();
    received_.clear();
}

} // namespace qx71::test
