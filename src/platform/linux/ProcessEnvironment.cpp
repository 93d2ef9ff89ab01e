#include "platform/linux/ProcessEnvironment.h"

#include <unistd.h>

#include <cstdlib>

namespace qx71 {

namespace {

std::optional<std::string> Env(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

} // namespace

std::filesystem::path ExecutablePath()
{
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : path;
}

DataDirEnvironment ReadDataDirEnvironment()
{
    return DataDirEnvironment{Env("QX71_DATA_DIR"), Env("XDG_CONFIG_HOME"), Env("HOME")};
}

std::optional<std::string> ReadUpdateServerEnvironment()
{
    return Env("QX71_UPDATE_SERVER");
}

bool CanWriteUnder(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::path existing = folder;
    while (!existing.empty() && !std::filesystem::exists(existing, ec)) {
        const std::filesystem::path parent = existing.parent_path();
        if (parent == existing) {
            return false;
        }
        existing = parent;
    }
    return !existing.empty() && ::access(existing.c_str(), W_OK) == 0;
}

} // namespace qx71
