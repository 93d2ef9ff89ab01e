#include "platform/windows/WinStaleTempFiles.h"

#include "core/app/StartupDirs.h"
#include "core/common/PathText.h"

#include <windows.h>

#include <charconv>
#include <string>
#include <system_error>

namespace qx71 {

namespace {

// The writer's id when `name` is "<settings file>.tmp-<digits>"; 0 otherwise.
unsigned long WriterOf(const std::filesystem::path& relativeFolder, const std::string& name)
{
    for (const char* seed : kSeedFiles) {
        const std::filesystem::path seedPath(seed);
        if (seedPath.parent_path() != relativeFolder) {
            continue;
        }
        const std::string prefix = PathToUtf8(seedPath.filename()) + kTempSuffix;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const char* first = name.data() + prefix.size();
        const char* last = name.data() + name.size();
        unsigned long pid = 0;
        const auto [end, error] = std::from_chars(first, last, pid);
        if (error == std::errc() && end == last && pid > 0) {
            return pid;
        }
    }
    return 0;
}

} // namespace

bool ProcessRunning(unsigned long pid)
{
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        // A process of another user exists but cannot be opened.
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD code = 0;
    const bool running = ::GetExitCodeProcess(process, &code) != FALSE && code == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

size_t RemoveStaleTempFiles(const std::filesystem::path& dataDir,
                            const std::function<bool(unsigned long)>& running)
{
    size_t removed = 0;
    for (const std::filesystem::path& folder :
         {std::filesystem::path(), std::filesystem::path("Profile")}) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(dataDir / folder, ec)) {
            if (!entry.is_regular_file(ec)) {
                continue;
            }
            const unsigned long pid = WriterOf(folder, PathToUtf8(entry.path().filename()));
            if (pid != 0 && !running(pid) && std::filesystem::remove(entry.path(), ec)) {
                ++removed;
            }
        }
    }
    return removed;
}

} // namespace qx71
