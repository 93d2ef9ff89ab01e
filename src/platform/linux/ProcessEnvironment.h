#pragma once

#include "core/app/StartupDirs.h"

#include <filesystem>

namespace qx71 {

// The running program's own path (from /proc/self/exe).
std::filesystem::path ExecutablePath();
// The environment variables that decide DataDir.
DataDirEnvironment ReadDataDirEnvironment();

} // namespace qx71
