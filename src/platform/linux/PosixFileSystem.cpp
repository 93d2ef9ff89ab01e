#include "platform/linux/PosixFileSystem.h"

#include "platform/linux/StaleTempFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace qx71 {

namespace {

constexpr size_t kWriteChunk = 64 * 1024;
// As the kernel's own limit on links followed in one lookup.
constexpr int kMaxLinkHops = 40;
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kNewFileMode = 0644;

// The file a save of `path` replaces: the end of its chain of symbolic links, so that the
// link stays and its target gets the new bytes.
std::filesystem::path SaveTarget(const std::filesystem::path& path)
{
    std::filesystem::path target = path;
    struct stat st {};
    for (int hop = 0;
         hop < kMaxLinkHops && ::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode); ++hop) {
        std::error_code ec;
        const std::filesystem::path link = std::filesystem::read_symlink(target, ec);
        if (ec) {
            break;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

// `path` is the file the failed call named: a missing entry is the file's own absence only
// when its folder is there.
FileError FromErrno(int error, const std::filesystem::path& path)
{
    switch (error) {
    case ENOENT: {
        std::error_code ec;
        const auto folder =
            path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
        return std::filesystem::is_directory(folder, ec) ? FileError::NotFound
                                                         : FileError::FolderMissing;
    }
    case ENOTDIR:
        return FileError::FolderMissing;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileError::AccessDenied;
    default:
        return FileError::Other;
    }
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const uint8_t* data, size_t size, size_t alreadyWritten,
              const PosixFileSystem::WriteFault& fault)
{
    size_t done = 0;
    while (done < size) {
        if (fault && !fault(alreadyWritten + done)) {
            errno = ENOSPC;
            return false;
        }
        const size_t chunk = std::min(kWriteChunk, size - done);
        const ssize_t n = ::write(fd, data + done, chunk);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

FileReadResult PosixFileSystem::ReadFile(const std::filesystem::path& path, size_t maxBytes)
{
    FileReadResult result;
    // A pipe or device is refused before it is opened: opening a pipe waits for a writer, and
    // opening a device may act on it. O_NONBLOCK covers one swapped in meanwhile.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        result.error = FileError::NotRegular;
        return result;
    }
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        result.error = FromErrno(errno, path);
        return result;
    }
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        result.error = FileError::NotRegular;
        return result;
    }
    // Start from the file's size rather than the limit, which may be far larger than the file.
    constexpr size_t kMinBuffer = 4096;
    const size_t expected = static_cast<size_t>(st.st_size) + 1;
    result.bytes.resize(std::min(maxBytes, std::max(expected, kMinBuffer)));
    size_t done = 0;
    while (done < maxBytes) {
        if (done == result.bytes.size()) {
            result.bytes.resize(std::min(maxBytes, 2 * result.bytes.size()));
        }
        const ssize_t n = ::read(fd.get(), result.bytes.data() + done, result.bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = FromErrno(errno, path);
            result.bytes.clear();
            return result;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<size_t>(n);
    }
    result.bytes.resize(done);
    return result;
}

FileError PosixFileSystem::WriteFileAtomic(const std::filesystem::path& path,
                                           std::span<const uint8_t> bytes)
{
    const std::filesystem::path target = SaveTarget(path);
    struct stat st {};
    const bool existed = ::stat(target.c_str(), &st) == 0;
    if (existed && !S_ISREG(st.st_mode)) {
        return FileError::NotRegular;
    }
    // The temporary file lives in the same folder so that the rename cannot cross devices.
    std::filesystem::path temp = target;
    temp += kTempSuffix + std::to_string(::getpid());
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode));
    if (fd.get() < 0) {
        return FromErrno(errno, temp);
    }
    // The new file keeps the old one's mode: a file the user made private stays private.
    const bool modeKept = !existed || ::fchmod(fd.get(), st.st_mode & kPermissionBits) == 0;
    if (!modeKept || !WriteAll(fd.get(), bytes.data(), bytes.size(), 0, writeFault_) ||
        ::fsync(fd.get()) != 0) {
        const int error = errno;
        ::close(fd.release());
        ::unlink(temp.c_str());
        return FromErrno(error, target);
    }
    if (::close(fd.release()) != 0 || ::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return FromErrno(error, target);
    }
    // Make the rename itself durable.
    Fd dir(::open(target.parent_path().empty() ? "." : target.parent_path().c_str(),
                  O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return FileError::None;
}

bool PosixFileSystem::Exists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

bool PosixFileSystem::IsDirectory(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

bool PosixFileSystem::CreateDirectories(const std::filesystem::path& path)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return !ec && IsDirectory(path);
}

FileError PosixFileSystem::RemoveFile(const std::filesystem::path& path)
{
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) {
        return FileError::None;
    }
    return FromErrno(errno, path);
}

} // namespace qx71
