#include "platform/linux/PosixFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <thread>

namespace qx71 {

namespace {
constexpr std::chrono::milliseconds kRetryStep{50};
} // namespace

PosixFolderLock::PosixFolderLock(std::filesystem::path folder) : folder_(std::move(folder)) {}

PosixFolderLock::~PosixFolderLock()
{
    Unlock();
}

bool PosixFolderLock::TryLock()
{
    if (fd_ >= 0) {
        return true;
    }
    // Opened at each lock: the folder may have been made again since the last one.
    const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void PosixFolderLock::Unlock()
{
    if (fd_ >= 0) {
        ::close(fd_); // drops the lock
        fd_ = -1;
    }
}

bool PosixFolderLock::LockWithin(std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!TryLock()) {
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(kRetryStep);
    }
    return true;
}

} // namespace qx71
