#include "core/macro/MacroLibrary.h"

#include "core/common/IMessageSink.h"
#include "core/i18n/UiStrings.h"

namespace qx71 {

namespace {

constexpr std::u16string_view kInfoCaption = u"Info";

} // namespace

MacroLibrary::MacroLibrary(IFileSystem& files, IMessageSink& messages, const UiStrings& strings,
                           std::filesystem::path file)
    : files_(files), messages_(messages), strings_(strings), file_(std::move(file))
{
}

bool MacroLibrary::LoadMacroFile()
{
    FileReadResult read = files_.ReadFile(file_, kMacroFileBytes);
    std::lock_guard lock(mutex_);
    table_.Clear();
    if (read.ok()) {
        table_.ReadImage(read.bytes);
        writeProtected_ = false;
        return true;
    }
    if (IsMissing(read.error)) {
        writeProtected_ = false;
        messages_.Show({MessageKind::InfoBox, {}, FormatWithPath(strings_.Get("str_msg2"), file_)});
    } else {
        writeProtected_ = true;
    }
    return false;
}

FileError MacroLibrary::SaveMacroFile()
{
    std::lock_guard saveLock(saveMutex_);
    std::vector<uint8_t> image;
    {
        std::lock_guard lock(mutex_);
        if (writeProtected_) {
            return FileError::Other;
        }
        image = table_.WriteImage();
    }
    const bool existed = files_.Exists(file_);
    if (!existed) {
        messages_.Show({MessageKind::SystemBox, std::u16string(kInfoCaption),
                        FormatWithPath(strings_.Get("str_msg2"), file_)});
    }
    const FileError error = files_.WriteFileAtomic(file_, image);
    if (error == FileError::AccessDenied) {
        messages_.Show(
            {MessageKind::SystemBox, std::u16string(kInfoCaption), strings_.Get("str_msg4")});
    }
    return error;
}

MacroStoreResult MacroLibrary::StoreMacro(const MacroRecord& record)
{
    {
        std::lock_guard lock(mutex_);
        switch (table_.Put(record)) {
        case MacroPutResult::Stored:
            break;
        case MacroPutResult::Invalid:
            return MacroStoreResult::Invalid;
        case MacroPutResult::TableFull:
            return MacroStoreResult::TableFull;
        }
    }
    return SaveMacroFile() == FileError::None ? MacroStoreResult::Stored
                                              : MacroStoreResult::WriteFailed;
}

FileError MacroLibrary::DeleteMacro(uint32_t id)
{
    {
        std::lock_guard lock(mutex_);
        table_.Free(id);
    }
    return SaveMacroFile();
}

std::optional<MacroRecord> MacroLibrary::FindMacro(uint32_t id) const
{
    std::lock_guard lock(mutex_);
    const std::optional<size_t> slot = table_.FindSlot(id);
    if (!slot) {
        return std::nullopt;
    }
    return table_.Slot(*slot);
}

std::vector<MacroRecord> MacroLibrary::RecordsWithId(uint32_t id) const
{
    std::lock_guard lock(mutex_);
    std::vector<MacroRecord> records;
    for (size_t i = 0; i < kMacroTableSlots; ++i) {
        if (table_.Slot(i).id == id) {
            records.push_back(table_.Slot(i));
        }
    }
    return records;
}

std::vector<MacroListEntry> MacroLibrary::ListCategory(uint32_t category) const
{
    std::lock_guard lock(mutex_);
    return table_.ListCategory(category);
}

bool MacroLibrary::HoldsId(uint32_t id) const
{
    std::lock_guard lock(mutex_);
    return table_.FindSlot(id).has_value();
}

MacroTable MacroLibrary::Snapshot() const
{
    std::lock_guard lock(mutex_);
    return table_;
}

bool MacroLibrary::WriteProtected() const
{
    std::lock_guard lock(mutex_);
    return writeProtected_;
}

} // namespace qx71
