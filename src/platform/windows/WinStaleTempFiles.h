#pragma once

#include <filesystem>
#include <functional>

namespace qx71 {

// The suffix of the temp file an atomic save writes beside a settings file: ".tmp-" and the
// writer's process id.
inline constexpr const char* kTempSuffix = ".tmp-";

// True while a process with this id exists.
bool ProcessRunning(unsigned long pid);

// Removes the temp files of interrupted atomic saves of the settings files (in DataDir and
// its Profile folder) whose writing process is gone. Returns how many were removed.
size_t RemoveStaleTempFiles(const std::filesystem::path& dataDir,
                            const std::function<bool(unsigned long pid)>& running = ProcessRunning);

} // namespace qx71
