#include "platform/windows/WinFileSystem.h"

#include "platform/windows/WinStaleTempFiles.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace qx71 {

namespace {

constexpr DWORD kChunk = 64 * 1024;

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close()
    {
        if (!valid()) {
            return true;
        }
        const bool closed = ::CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool IsFolder(const std::filesystem::path& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

FileError FileErrorFromWin32(unsigned long error, const std::filesystem::path& path)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND: {
        const auto folder =
            path.parent_path().empty() ? std::filesystem::path(L".") : path.parent_path();
        return IsFolder(folder) ? FileError::NotFound : FileError::FolderMissing;
    }
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
        return FileError::FolderMissing;
    case ERROR_ACCESS_DENIED:
        // Windows also says this of a folder opened as a file: that is no permission matter.
        return IsFolder(path) ? FileError::NotRegular : FileError::AccessDenied;
    case ERROR_WRITE_PROTECT:
    case ERROR_PRIVILEGE_NOT_HELD:
        return FileError::AccessDenied;
    default:
        return FileError::Other;
    }
}

FileReadResult WinFileSystem::ReadFile(const std::filesystem::path& path, size_t maxBytes)
{
    FileReadResult result;
    Handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        result.error = FileErrorFromWin32(::GetLastError(), path);
        return result;
    }
    // A pipe, console or other device is not read: reading one may wait or act on it.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        result.error = FileError::NotRegular;
        return result;
    }
    LARGE_INTEGER size{};
    const size_t expected = ::GetFileSizeEx(file.get(), &size) != FALSE
                                ? static_cast<size_t>(size.QuadPart) + 1
                                : static_cast<size_t>(kChunk);
    result.bytes.resize(std::min(maxBytes, std::max(expected, static_cast<size_t>(kChunk))));
    size_t done = 0;
    while (done < maxBytes) {
        if (done == result.bytes.size()) {
            result.bytes.resize(std::min(maxBytes, 2 * result.bytes.size()));
        }
        const DWORD want =
            static_cast<DWORD>(std::min(result.bytes.size() - done, static_cast<size_t>(kChunk)));
        DWORD got = 0;
        if (::ReadFile(file.get(), result.bytes.data() + done, want, &got, nullptr) == FALSE) {
            result.error = FileErrorFromWin32(::GetLastError(), path);
            result.bytes.clear();
            return result;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    result.bytes.resize(done);
    return result;
}

FileError WinFileSystem::WriteFileAtomic(const std::filesystem::path& path,
                                         std::span<const uint8_t> bytes)
{
    // A folder in the file's place is refused before anything is written.
    if (IsFolder(path)) {
        return FileError::NotRegular;
    }
    // The temp file lives in the same folder, so the move never crosses volumes.
    std::filesystem::path temp = path;
    temp += kTempSuffix + std::to_string(::GetCurrentProcessId());
    Handle file(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return FileErrorFromWin32(::GetLastError(), temp);
    }
    const auto fail = [&](DWORD error) {
        file.Close();
        ::DeleteFileW(temp.c_str());
        return FileErrorFromWin32(error, path);
    };
    size_t done = 0;
    while (done < bytes.size()) {
        if (writeFault_ && !writeFault_(done)) {
            return fail(ERROR_DISK_FULL);
        }
        const DWORD chunk = static_cast<DWORD>(std::min(bytes.size() - done, size_t{kChunk}));
        DWORD written = 0;
        if (::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) == FALSE) {
            return fail(::GetLastError());
        }
        done += written;
    }
    if (::FlushFileBuffers(file.get()) == FALSE) {
        return fail(::GetLastError());
    }
    if (!file.Close()) {
        return fail(::GetLastError());
    }
    if (::MoveFileExW(temp.c_str(), path.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temp.c_str());
        return FileErrorFromWin32(error, path);
    }
    return FileError::None;
}

bool WinFileSystem::Exists(const std::filesystem::path& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WinFileSystem::IsDirectory(const std::filesystem::path& path)
{
    return IsFolder(path);
}

bool WinFileSystem::CreateDirectories(const std::filesystem::path& path)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return !ec && IsFolder(path);
}

FileError WinFileSystem::RemoveFile(const std::filesystem::path& path)
{
    if (::DeleteFileW(path.c_str()) != FALSE) {
        return FileError::None;
    }
    const DWORD error = ::GetLastError();
    // Not there, nor its folder: nothing to remove.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        return FileError::None;
    }
    return FileErrorFromWin32(error, path);
}

} // namespace qx71
