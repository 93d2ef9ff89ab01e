#pragma once

#include <string>

namespace qx71 {

// Whether the X display `name` accepts a connection now.
bool X11DisplayReachable(const std::string& name);

} // namespace qx71
