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
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.error = FromErrno(errno, path);
        return result;
    }
    // Start from the file's size rather than the limit, which may be far larger than the file.
    constexpr size_t kMinBuffer = 4096;
    struct stat st {};
    const size_t expected = (::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode))
                                ? static_cast<size_t>(st.st_size) + 1
                                : kMinBuffer;
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
    // The temporary file lives in the same folder so that the rename cannot cross devices.
    std::filesystem::path temp = path;
    temp += kTempSuffix + std::to_string(::getpid());
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        return FromErrno(errno, temp);
    }
    if (!WriteAll(fd.get(), bytes.data(), bytes.size(), 0, writeFault_) || ::fsync(fd.get()) != 0) {
        const int error = errno;
        ::close(fd.release());
        ::unlink(temp.c_str());
        return FromErrno(error, path);
    }
    if (::close(fd.release()) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return FromErrno(error, path);
    }
    // Make the rename itself durable.
    Fd dir(::open(path.parent_path().empty() ? "." : path.parent_path().c_str(),
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

bool PosixFileSystem::CopyFileNoOverwrite(const std::filesystem::path& from,
                                          const std::filesystem::path& to)
{
    std::error_code ec;
    return std::filesystem::copy_file(from, to, std::filesystem::copy_options::skip_existing, ec) &&
           !ec;
}

} // namespace qx71
