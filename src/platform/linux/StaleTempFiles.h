#pragma once

#include <filesystem>
#include <functional>

namespace qx71 {

// The suffix of the temp file an atomic save writes beside a settings file: ".tmp-" and the
// writer's process id.
inline constexpr const char* kTempSuffix = ".tmp-";

// True while a process with this id runs (or exists under another user).
bool ProcessRunning(long pid);

// Removes the temp files of interrupted atomic saves of the settings files (in DataDir and
// its Profile folder) whose writing process is gone. Files of a running process and any other
// file stay. Returns how many were removed.
size_t RemoveStaleTempFiles(const std::filesystem::path& dataDir,
                            const std::function<bool(long pid)>& running = ProcessRunning);

} // namespace qx71
