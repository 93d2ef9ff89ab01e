#pragma once

#include "core/common/IFileSystem.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace qx71 {

class IMessageSink;

// The message for a settings file that is there but could not be read, naming the file and
// why; the same text refuses its saves.
std::u16string UnreadableFileText(const std::filesystem::path& path, FileError why, bool chineseUi);

// The settings files as the program sees them: a file that exists but cannot be read (no
// permission, an I/O error, a folder or pipe in its place) holds the user's data, which the
// defaults in memory must never replace. Such a file is told to the user once, at the failed
// read, and every save of it is refused with the same message (Unreadable) until a read of it
// succeeds. A missing file is not guarded: it gets its defaults.
class GuardedFileSystem final : public IFileSystem {
public:
    GuardedFileSystem(IFileSystem& inner, IMessageSink& messages,
                      std::vector<std::filesystem::path> guardedFiles,
                      std::function<bool()> chineseUi = {});

    FileReadResult ReadFile(const std::filesystem::path& path, size_t maxBytes) override;
    FileError WriteFileAtomic(const std::filesystem::path& path,
                              std::span<const uint8_t> bytes) override;
    bool Exists(const std::filesystem::path& path) override { return inner_.Exists(path); }
    bool IsDirectory(const std::filesystem::path& path) override
    {
        return inner_.IsDirectory(path);
    }
    bool CreateDirectories(const std::filesystem::path& path) override
    {
        return inner_.CreateDirectories(path);
    }
    FileError RemoveFile(const std::filesystem::path& path) override
    {
        return inner_.RemoveFile(path);
    }

    // True while saves of `path` are refused.
    bool Refuses(const std::filesystem::path& path) const;

private:
    bool Guarded(const std::string& key) const;
    void Tell(const std::filesystem::path& path, FileError why);

    IFileSystem& inner_;
    IMessageSink& messages_;
    std::vector<std::string> guarded_;
    std::function<bool()> chineseUi_;
    mutable std::mutex mutex_;                    // guards unreadable_: the write thread reads too
    std::map<std::string, FileError> unreadable_; // by path, with the read's error
};

} // namespace qx71
