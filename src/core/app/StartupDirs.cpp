#include "core/app/StartupDirs.h"

#include "core/common/IFileSystem.h"

namespace qx71 {

namespace {

bool UsableAbsolute(const std::optional<std::string>& value)
{
    return value && !value->empty() && std::filesystem::path(*value).is_absolute();
}

} // namespace

std::filesystem::path FormDataDir(const DataDirEnvironment& env)
{
    if (env.qx71DataDir && !env.qx71DataDir->empty()) {
        return std::filesystem::path(*env.qx71DataDir);
    }
    return FormConfigHome(env) / "TOLVI" / "QX71";
}

std::filesystem::path FormConfigHome(const DataDirEnvironment& env)
{
    if (UsableAbsolute(env.xdgConfigHome)) {
        return *env.xdgConfigHome;
    }
    return std::filesystem::path(env.home.value_or("")) / ".config";
}

std::filesystem::path FormInstallDir(const std::filesystem::path& executablePath)
{
    return executablePath.parent_path();
}

std::vector<std::filesystem::path> SettingsFiles(const std::filesystem::path& dataDir)
{
    std::vector<std::filesystem::path> files;
    for (const char* relative : kSeedFiles) {
        files.push_back(dataDir / relative);
    }
    return files;
}

bool HoldsAnySettingsFile(IFileSystem& fs, const std::filesystem::path& dataDir)
{
    for (const char* relative : kSeedFiles) {
        if (fs.Exists(dataDir / relative)) {
            return true;
        }
    }
    return false;
}

bool SeedDataDir(IFileSystem& fs, const std::filesystem::path& installDir,
                 const std::filesystem::path& dataDir)
{
    // A folder that holds none of the files (made by hand, by mktemp, by a backup tool) is
    // treated as a first start too: otherwise every reader reports its missing file and the
    // missing Language.cfg switches the interface to Chinese. One that holds some of them is
    // the user's and stays as it is.
    if (fs.Exists(dataDir) && HoldsAnySettingsFile(fs, dataDir)) {
        return false;
    }
    fs.CreateDirectories(dataDir);
    fs.CreateDirectories(dataDir / "Profile");
    for (const char* relative : kSeedFiles) {
        // A failed copy is not reported: the readers fall back to defaults.
        fs.CopyFileNoOverwrite(installDir / relative, dataDir / relative);
    }
    return true;
}

} // namespace qx71
