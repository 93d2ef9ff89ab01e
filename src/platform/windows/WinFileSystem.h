#pragma once

#include "core/common/IFileSystem.h"

#include <functional>

namespace qx71 {

// Files through the Win32 calls with wide paths: an atomic save writes a temp file beside the
// settings file, flushes it to the disk and moves it over the old file in one step
// (MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH).
class WinFileSystem final : public IFileSystem {
public:
    // For tests: called before each chunk of an atomic write with the bytes written so far;
    // returning false makes the write fail there, as a full disk would.
    using WriteFault = std::function<bool(size_t writtenSoFar)>;

    FileReadResult ReadFile(const std::filesystem::path& path, size_t maxBytes) override;
    FileError WriteFileAtomic(const std::filesystem::path& path,
                              std::span<const uint8_t> bytes) override;
    bool Exists(const std::filesystem::path& path) override;
    bool IsDirectory(const std::filesystem::path& path) override;
    bool CreateDirectories(const std::filesystem::path& path) override;
    FileError RemoveFile(const std::filesystem::path& path) override;

    void SetWriteFault(WriteFault fault) { writeFault_ = std::move(fault); }

private:
    WriteFault writeFault_;
};

// The FileError of a Win32 error code; `path` is the file the failed call named.
FileError FileErrorFromWin32(unsigned long error, const std::filesystem::path& path);

} // namespace qx71
