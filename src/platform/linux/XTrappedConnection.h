#pragma once

#include "platform/linux/XErrorTrap.h"

#include <X11/Xlib.h>

#include <memory>
#include <string>

namespace qx71 {

// A display connection of a backend's own, with its protocol errors caught (XErrorTrap), so
// the backend can work from its own thread and never disturbs the toolkit's connection.
struct XTrappedConnection {
    // `displayName` empty: the display of $DISPLAY. Nullptr when it cannot be opened.
    static std::unique_ptr<XTrappedConnection> Open(const std::string& displayName);

    explicit XTrappedConnection(Display* d) : display(d), trap(std::make_unique<XErrorTrap>(d)) {}
    ~XTrappedConnection()
    {
        // The trap lets go of the connection before it closes.
        trap.reset();
        XCloseDisplay(display);
    }
    XTrappedConnection(const XTrappedConnection&) = delete;
    XTrappedConnection& operator=(const XTrappedConnection&) = delete;

    Display* display;
    std::unique_ptr<XErrorTrap> trap;
};

} // namespace qx71
