#pragma once

#include "core/common/IFileSystem.h"
#include "support/SystemBackends.h"

#include <map>
#include <optional>

namespace qx71::test {

// The real file system, with a write error and read errors by path to inject.
class FaultyFileSystem final : public IFileSystem {
public:
    FileReadResult ReadFile(const std::filesystem::path& path, size_t maxBytes) override
    {
        if (auto it = readFaults.find(path); it != readFaults.end()) {
            return {it->second, {}};
        }
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
    FileError RemoveFile(const std::filesystem::path& path) override
    {
        return real.RemoveFile(path);
    }

    test::SystemFileSystem real;
    std::optional<FileError> writeError;
    std::map<std::filesystem::path, FileError> readFaults;
    int writes = 0;
};

} // namespace qx71::test
