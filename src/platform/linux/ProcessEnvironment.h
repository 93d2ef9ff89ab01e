#pragma once

#include "core/app/StartupDirs.h"

#include <filesystem>
#include <optional>
#include <string>

namespace qx71 {

// The running program's own path (from /proc/self/exe).
std::filesystem::path ExecutablePath();
// The environment variables that decide DataDir.
DataDirEnvironment ReadDataDirEnvironment();
// QX71_UPDATE_SERVER, nullopt when it is not set.
std::optional<std::string> ReadUpdateServerEnvironment();
// Whether this program may create files in `folder`: the folder, or the nearest folder above
// it that exists, is writable (the firmware downloads go to DataDir otherwise).
bool CanWriteUnder(const std::filesystem::path& folder);

} // namespace qx71
