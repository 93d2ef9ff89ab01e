#pragma once

#include "core/common/IFileSystem.h"

#include <functional>

namespace qx71 {

class PosixFileSystem final : public IFileSystem {
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

} // namespace qx71
