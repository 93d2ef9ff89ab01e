#pragma once

#include "core/common/IMessageSink.h"
#include "core/i18n/UiStrings.h"
#include "core/markup/SharedMarkupDocument.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"

#include <optional>
#include <string>
#include <vector>

namespace qx71::test {

class RecordingMessageSink final : public IMessageSink {
public:
    void Show(const UserMessage& message) override { shown.push_back(message); }
    std::vector<UserMessage> shown;
};

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

// A language file whose "config" section gives every key the text "<prefix><key>".
inline std::string LanguageFileFor(const std::string& prefix)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<language><config>\n";
    for (const auto key : UiStrings::kKeys) {
        out += "<" + std::string(key) + ">" + prefix + std::string(key) + "</" + std::string(key) +
               ">\n";
    }
    return out + "</config></language>\n";
}

} // namespace qx71::test
