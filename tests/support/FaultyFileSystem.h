#pragma once

#include "core/common/IFileSystem.h"
#include "platform/linux/PosixFileSystem.h"

#include <optional>

namespace qx71::test {

// The real file system, with a write error to inject.
class FaultyFileSystem final : public IFileSystem {
public:
    FileReadResult ReadFile(const std::filesystem::path& path, size_t maxBytes) override
    {
        return real.ReadFile(path, maxBytes);
    }
    FileError WriteFileAtomic(const std::filesystem::path& path,
                              std::span<const uint8_t> bytes) override
    {
        ++writes;
        return writeError ? *writeError : real.WriteFileAtomic(path, bytes);
    }
    bool Exists(const std::filesystem::path& path) override { return real.Exists(path); }
    bool IsDirectory(const std::filesystem::path& path) override { return real.IsDirectory(path); }
    bool CreateDirectories(const std::filesystem::path& path) override
    {
        return real.CreateDirectories(path);
    }
    bool CopyFileNoOverwrite(const std::filesystem::path& from,
                             const std::filesystem::path& to) override
    {
        return real.CopyFileNoOverwrite(from, to);
    }

    PosixFileSystem real;
    std::optional<FileError> writeError;
    int writes = 0;
};

} // namespace qx71::test
