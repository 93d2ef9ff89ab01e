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
    std::filesystem::path configHome;
    if (UsableAbsolute(env.xdgConfigHome)) {
        configHome = *env.xdgConfigHome;
    } else {
        configHome = std::filesystem::path(env.home.value_or("")) / ".config";
    }
    return configHome / "TOLVI" / "QX71";
}

std::filesystem::path FormInstallDir(const std::filesystem::path& executablePath)
{
    return executablePath.parent_path();
}

bool SeedDataDir(IFileSystem& fs, const std::filesystem::path& installDir,
                 const std::filesystem::path& dataDir)
{
    if (fs.Exists(dataDir)) {
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
