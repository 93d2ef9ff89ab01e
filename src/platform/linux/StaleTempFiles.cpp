#include "platform/linux/StaleTempFiles.h"

#include "core/app/StartupDirs.h"

#include <cerrno>
#include <csignal>

#include <charconv>
#include <string>
#include <system_error>

namespace qx71 {

namespace {

// The writer's id when `name` is "<settings file>.tmp-<digits>"; 0 otherwise.
long WriterOf(const std::filesystem::path& relativeFolder, const std::string& name)
{
    for (const char* seed : kSeedFiles) {
        const std::filesystem::path seedPath(seed);
        if (seedPath.parent_path() != relativeFolder) {
            continue;
        }
        const std::string prefix = seedPath.filename().string() + kTempSuffix;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const char* first = name.data() + prefix.size();
        const char* last = name.data() + name.size();
        long pid = 0;
        const auto [end, error] = std::from_chars(first, last, pid);
        if (error == std::errc() && end == last && pid > 0) {
            return pid;
        }
    }
    return 0;
}

} // namespace

bool ProcessRunning(long pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

size_t RemoveStaleTempFiles(const std::filesystem::path& dataDir,
                            const std::function<bool(long)>& running)
{
    size_t removed = 0;
    for (const std::filesystem::path& folder :
         {std::filesystem::path(), std::filesystem::path("Profile")}) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(dataDir / folder, ec)) {
            if (!entry.is_regular_file(ec)) {
                continue;
            }
            const long pid = WriterOf(folder, entry.path().filename().string());
            if (pid != 0 && !running(pid) && std::filesystem::remove(entry.path(), ec)) {
                ++removed;
            }
        }
    }
    return removed;
}

} // namespace qx71
