#include "core/common/GuardedFileSystem.h"

#include "core/common/BilingualText.h"
#include "core/common/IMessageSink.h"
#include "core/common/Utf.h"

#include <algorithm>

namespace qx71 {

namespace {

constexpr BilingualText kMsgUnreadable{
    u"无法读取 %s（%r）。程序使用默认设置，在该文件可以读取之前不会覆盖它。",
    u"%s cannot be read (%r). The program goes on with default settings and will not save "
    u"over this file until it can be read."};
constexpr BilingualText kWhyDenied{u"拒绝访问", u"access denied"};
constexpr BilingualText kWhyNotRegular{u"它是文件夹、管道或设备，而不是文件",
                                       u"it is a folder, a pipe or a device, not a file"};
constexpr BilingualText kWhyOther{u"读取错误", u"read error"};
constexpr std::u16string_view kCaptionInfo = u"Info";

std::string Key(const std::filesystem::path& path)
{
    return path.lexically_normal().string();
}

void Replace(std::u16string& text, std::u16string_view marker, const std::u16string& with)
{
    if (const auto at = text.find(marker); at != std::u16string::npos) {
        text.replace(at, marker.size(), with);
    }
}

} // namespace

std::u16string UnreadableFileText(const std::filesystem::path& path, FileError why, bool chineseUi)
{
    const BilingualText& reason = why == FileError::AccessDenied ? kWhyDenied
                                  : why == FileError::NotRegular ? kWhyNotRegular
                                                                 : kWhyOther;
    std::u16string text(kMsgUnreadable.In(chineseUi));
    Replace(text, u"%s", Utf8ToUtf16(path.string()));
    Replace(text, u"%r", std::u16string(reason.In(chineseUi)));
    return text;
}

GuardedFileSystem::GuardedFileSystem(IFileSystem& inner, IMessageSink& messages,
                                     std::vector<std::filesystem::path> guardedFiles,
                                     std::function<bool()> chineseUi)
    : inner_(inner), messages_(messages), chineseUi_(std::move(chineseUi))
{
    for (const auto& path : guardedFiles) {
        guarded_.push_back(Key(path));
    }
}

bool GuardedFileSystem::Guarded(const std::string& key) const
{
    return std::find(guarded_.begin(), guarded_.end(), key) != guarded_.end();
}

void GuardedFileSystem::Tell(const std::filesystem::path& path, FileError why)
{
    const bool chinese = chineseUi_ && chineseUi_();
    messages_.Show({MessageKind::SystemBox, std::u16string(kCaptionInfo),
                    UnreadableFileText(path, why, chinese)});
}

FileReadResult GuardedFileSystem::ReadFile(const std::filesystem::path& path, size_t maxBytes)
{
    FileReadResult read = inner_.ReadFile(path, maxBytes);
    const std::string key = Key(path);
    if (!Guarded(key)) {
        return read;
    }
    bool tell = false;
    {
        std::lock_guard lock(mutex_);
        if (read.ok() || IsMissing(read.error)) {
            // Read now, or gone: what memory holds from here on may be saved.
            unreadable_.erase(key);
        } else {
            tell = unreadable_.emplace(key, read.error).second;
        }
    }
    if (tell) {
        Tell(path, read.error);
    }
    return read;
}

FileError GuardedFileSystem::WriteFileAtomic(const std::filesystem::path& path,
                                             std::span<const uint8_t> bytes)
{
    FileError why = FileError::None;
    {
        std::lock_guard lock(mutex_);
        if (const auto it = unreadable_.find(Key(path)); it != unreadable_.end()) {
            why = it->second;
        }
    }
    if (why != FileError::None) {
        Tell(path, why);
        return FileError::Unreadable;
    }
    return inner_.WriteFileAtomic(path, bytes);
}

bool GuardedFileSystem::Refuses(const std::filesystem::path& path) const
{
    std::lock_guard lock(mutex_);
    return unreadable_.count(Key(path)) != 0;
}

} // namespace qx71
