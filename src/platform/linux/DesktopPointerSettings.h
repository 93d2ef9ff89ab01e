#pragma once

#include "core/hooks/IPointerSettings.h"
#include "core/hooks/PointerBackendChoice.h"

#include <filesystem>
#include <memory>
#include <string>

namespace qx71 {

// The session this process runs in, from XDG_CURRENT_DESKTOP, XDG_SESSION_TYPE, DISPLAY and
// WAYLAND_DISPLAY (the views point into the environment, which outlives them).
SessionDescription SessionFromEnvironment();

// The pointer settings of the desktop `session` describes (ChoosePointerBackend), writing
// under `configHome` where the desktop keeps files. Null where there is no desktop. Nothing is
// opened or loaded here: a desktop's library is opened at the first call, and when it or its
// settings schema is missing the X11 settings take over.
std::unique_ptr<IPointerSettings> MakeDesktopPointerSettings(const SessionDescription& session,
                                                             std::filesystem::path configHome);

} // namespace qx71
