#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qx71 {

// The folder DataDir sits in under the temporary-files folder.
inline constexpr const wchar_t* kDataDirUnderTemp = L"TOLVI\\QX71";

// The running program's own path (GetModuleFileNameW); empty on failure.
std::filesystem::path ExecutablePath();
// DataDir: QX71_DATA_DIR when set and not empty, else the temporary-files folder (as
// GetTempPathW returns it, with its trailing backslash) followed by "TOLVI\QX71".
std::filesystem::path WindowsDataDir();
// An environment variable as UTF-8; nullopt when it is not set.
std::optional<std::string> EnvironmentVariable(const wchar_t* name);
// Whether this program may create files in `folder`, or in the nearest folder above it that
// exists: a probe file is made there and removed again.
bool CanWriteUnder(const std::filesystem::path& folder);
// A new private folder under the temporary-files folder; empty when none could be made.
std::filesystem::path MakeScratchFolder();

} // namespace qx71
