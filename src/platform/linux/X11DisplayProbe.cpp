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

bool X11CompositorRunning(const std::string& name)
{
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) {
        return false;
    }
    const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    const Atom atom = XInternAtom(display, selection.c_str(), False);
    const bool running = XGetSelectionOwner(display, atom) != None;
    XCloseDisplay(display);
    return running;
}

} // namespace qx71
