#include "platform/linux/ProcessEnvironment.h"

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

} // namespace qx71
