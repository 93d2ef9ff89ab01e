#pragma once

#include "core/common/IFileSystem.h"

#include <map>
#include <optional>
#include <string>

namespace qx71::test {

// Files in memory, with failures on demand; every atomic write is counted.
class MemoryFileSystem final : public IFileSystem {
public:
    std::map<std::filesystem::path, std::vector<uint8_t>> files;
    std::optional<FileError> readError;  // returned by every read when set
    std::optional<FileError> writeError; // returned by every write when set
    int writes = 0;

    FileReadResult ReadFile(const std::filesystem::path& path, size_t maxBytes) override
    {
        if (readError) {
            return {*readError, {}};
        }
        auto it = files.find(path);
        if (it == files.end()) {
            return {FileError::NotFound, {}};
        }
        const size_t n = std::min(maxBytes, it->second.size());
        return {FileError::None, std::vector<uint8_t>(it->second.begin(), it->second.begin() + n)};
    }
    FileError WriteFileAtomic(const std::filesystem::path& path,
                              std::span<const uint8_t> bytes) override
    {
        ++writes;
        if (writeError) {
            return *writeError;
        }
        files[path] = std::vector<uint8_t>(bytes.begin(), bytes.end());
        return FileError::None;
    }
    bool Exists(const std::filesystem::path& path) override { return files.count(path) != 0; }
    bool IsDirectory(const std::filesystem::path&) override { return false; }
    bool CreateDirectories(const std::filesystem::path&) override { return true; }
    FileError RemoveFile(const std::filesystem::path& path) override
    {
        files.erase(path);
        return FileError::None;
    }
};

} // namespace qx71::test
