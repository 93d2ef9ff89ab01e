#pragma once

#include <string>

namespace qx71 {

// Whether the X display `name` accepts a connection now.
bool X11DisplayReachable(const std::string& name);

// Whether a compositing manager runs on the default screen of display `name` (it owns the
// _NET_WM_CM_Sn selection): only then do windows with per-pixel alpha show as drawn.
bool X11CompositorRunning(const std::string& name);

} // namespace qx71
