#pragma once

#include <functional>

namespace qx71 {

// Hands a task to the thread that owns some state (the window's thread), to run there later
// in posting order. Backends that watch the system on threads of their own deliver through
// this, so their receivers never run on a foreign thread.
using PostTask = std::function<void(std::function<void()>)>;

} // namespace qx71
