#include "platform/linux/X11CursorPosition.h"

#include "platform/linux/XTrappedConnection.h"

namespace qx71 {

X11CursorPosition::X11CursorPosition(std::string displayName) : displayName_(std::move(displayName))
{
}

X11CursorPosition::~X11CursorPosition() = default;

bool X11CursorPosition::Read(int32_t& x, int32_t& y)
{
    std::lock_guard lock(mutex_);
    if (!connection_) {
        connection_ = XTrappedConnection::Open(displayName_);
        if (!connection_) {
            return false;
        }
    }
    Display* display = connection_->display;
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    // False only means the pointer is on another screen; the root coordinates are still those
    // of the pointer on that screen's root.
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &winX, &winY,
                  &mask);
    if (connection_->trap->SyncAndTakeErrors() != 0 || root == 0) {
        return false;
    }
    x = rootX;
    y = rootY;
    return true;
}

} // namespace qx71
