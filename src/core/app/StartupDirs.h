#pragma once

#include "core/common/IFileSystem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

// The environment values that decide DataDir; the platform reads them.
struct DataDirEnvironment {
    std::optional<std::string> qx71DataDir;   // QX71_DATA_DIR
    std::optional<std::string> xdgConfigHome; // XDG_CONFIG_HOME
    std::optional<std::string> home;          // HOME
};

// The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config. Empty or relative XDG
// values are ignored, as the XDG rules say.
std::filesystem::path FormConfigHome(const DataDirEnvironment& env);

// The per-user settings folder: QX71_DATA_DIR when set, else $XDG_CONFIG_HOME/TOLVI/QX71,
// else ~/.config/TOLVI/QX71. Empty or relative XDG values are ignored, as the XDG rules say.
std::filesystem::path FormDataDir(const DataDirEnvironment& env);

// The folder of the running program: its full path cut at the last separator.
std::filesystem::path FormInstallDir(const std::filesystem::path& executablePath);

// The settings files copied from InstallDir on first start, in copy order.
inline constexpr const char* kSeedFiles[] = {
    "Macro.cfg",
    "Language.cfg",
    "Sts.cfg",
    "Profile/ConfigInfo.cfg",
    "Profile/Profile1.cfg",
    "Profile/Profile2.cfg",
    "Profile/Profile3.cfg",
    "Profile/Profile4.cfg",
    "Profile/Profile5.cfg",
};

// The settings files under DataDir (every kSeedFiles entry), as full paths.
std::vector<std::filesystem::path> SettingsFiles(const std::filesystem::path& dataDir);

// True when DataDir holds at least one of the kSeedFiles.
bool HoldsAnySettingsFile(IFileSystem& fs, const std::filesystem::path& dataDir);

// The file in DataDir that says a seeding began and has not finished: while it is there,
// every start seeds again the files still missing or empty.
inline constexpr const char* kSeedUnfinishedMarker = ".seeding-unfinished";

// A seed file that could not be written, by its path under DataDir, and why.
struct SeedFailure {
    std::filesystem::path relativePath;
    FileError error = FileError::None;
};

struct SeedOutcome {
    bool seeded = false; // a seeding pass ran
    std::vector<SeedFailure> failures;
};

// First-start seeding: when DataDir does not exist, or exists but holds none of the settings
// files, create it with its Profile folder and write the seed files that exist in InstallDir,
// never over a file that exists. Each file is written atomically, like every save, so a full
// disk leaves it missing rather than cut. A seeding that did not finish is resumed at the
// next call: the files still missing or empty are written then. A folder the user keeps
// (holding some of the files, with no unfinished seeding) stays as it is.
SeedOutcome SeedDataDir(IFileSystem& fs, const std::filesystem::path& installDir,
                        const std::filesystem::path& dataDir);

// The message for a seeding with failures, naming the folder, each file and why.
std::u16string SeedFailureText(const SeedOutcome& outcome, const std::filesystem::path& dataDir,
                               bool chineseUi);

} // namespace qx71
