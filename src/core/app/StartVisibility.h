#pragma once

namespace qx71 {

enum class StartVisibility {
    Shown,     // the window shows and takes the focus
    InTray,    // only the notification-area icon shows; it brings the window up
    Minimised, // the window starts minimised, so the task bar can bring it up
};

// How the window starts: hidden when asked to (the desktop's autostart), but only into a
// notification area that can bring it back; without one it starts minimised.
StartVisibility PlanStartVisibility(bool startHidden, bool trayAvailable);

} // namespace qx71
