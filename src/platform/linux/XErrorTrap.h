#pragma once

#include <X11/Xlib.h>

namespace qx71 {

// Catches the protocol errors of one display connection, so a refused request (a button
// another client already holds) is a result instead of the process-wide error handler's
// business. Only the errors of this connection are caught; other connections of the process
// (the toolkit's) keep their own handling.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // Waits until the server has handled every request sent so far and returns how many of
    // them failed since the last call.
    int SyncAndTakeErrors();

private:
    Display* display_;
};

} // namespace qx71
