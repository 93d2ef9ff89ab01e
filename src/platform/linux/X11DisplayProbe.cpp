#include "platform/linux/X11DisplayProbe.h"

#include <X11/Xlib.h>

namespace qx71 {

bool X11DisplayReachable(const std::string& name)
{
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

} // namespace qx71
