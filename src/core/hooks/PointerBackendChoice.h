#pragma once

#include "core/hooks/PointerSupport.h"

#include <string_view>

namespace qx71 {

// Where the host pointer settings go on a Linux desktop.
enum class PointerBackend {
    Gnome,    // GSettings org.gnome.desktop.peripherals.mouse
    Cinnamon, // GSettings org.cinnamon.desktop.peripherals.mouse (same keys)
    Kde,      // KConfig kcminputrc and kdeglobals, then Plasma's reload signal
    X11,      // the X server's pointer control and libinput properties
    Desktop,  // a Wayland session with no known store: the compositor keeps them itself
    None,     // no graphical session
};

// The session as its environment describes it.
struct SessionDescription {
    std::string_view currentDesktop; // XDG_CURRENT_DESKTOP: names separated by ':'
    std::string_view sessionType;    // XDG_SESSION_TYPE: "x11", "wayland", "tty", ...
    bool x11Display = false;         // DISPLAY is set
    bool waylandDisplay = false;     // WAYLAND_DISPLAY is set
};

PointerBackend ChoosePointerBackend(const SessionDescription& session);
// A Wayland session: the window runs through XWayland and the hooks see only X11 windows.
bool IsWaylandSession(const SessionDescription& session);
// The settings each back end keeps.
PointerSupport SupportOf(PointerBackend backend);
// "GNOME", "KDE Plasma", ... for messages.
std::string_view PointerBackendName(PointerBackend backend);

} // namespace qx71
