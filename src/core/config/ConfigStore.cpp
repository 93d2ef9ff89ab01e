#include "core/config/ConfigStore.h"

#include "core/common/BilingualText.h"
#include "core/common/IFileSystem.h"
#include "core/common/IMessageSink.h"
#include "core/common/LittleEndian.h"
#include "core/common/Utf.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "core/config/ProfileRanges.h"
#include "core/i18n/UiStrings.h"

#include <string_view>

namespace qx71 {

namespace {

constexpr std::u16string_view kMsgOpenFailed =
    u"Failed to open file, check whether there is a %s path?";
constexpr std::u16string_view kMsgInvalidProfile = u"%s is an invaild Profile!";
constexpr std::u16string_view kMsgImportSuccess = u"%s import success!";
constexpr std::u16string_view kMsgExportSuccess = u"%s export success!";
constexpr std::u16string_view kMsgExportFailed = u"%s export failed!";
constexpr std::u16string_view kCaptionInfo = u"Info";
// After a pass the mouse took: its settings did not reach the disk, for a reason the file
// messages above do not tell.
constexpr BilingualText kMsgAppliedNotSaved{
    u"设置已写入鼠标，但无法保存到 %s。",
    u"The settings were sent to the mouse, but they could not be saved in %s."};

constexpr const char* kStrFileNotFound = "str_msg2";
constexpr const char* kStrDefaultDenied = "str_msg4";
constexpr const char* kStrSaveDenied = "str_msg5";

constexpr const char* kProfileFolder = "Profile";
constexpr const char* kDirectoryFile = "ConfigInfo.cfg";

bool HasProfileMagic(std::span<const uint8_t> bytes)
{
    return bytes.size() >= sizeof(uint32_t) && LoadLe32(bytes.data()) == kProfileMagic;
}

} // namespace

ConfigStore::ConfigStore(IFileSystem& files, IMessageSink& messages, const UiStrings& strings,
                         std::filesystem::path dataDir, std::function<bool()> chineseUi)
    : files_(files), messages_(messages), strings_(strings), dataDir_(std::move(dataDir)),
      chineseUi_(std::move(chineseUi))
{
    // Until a file is loaded the current profile is a valid one, never a zero record.
    FillDefaults(currentProfile_, ChineseUi());
}

std::filesystem::path ConfigStore::ProfileFolder() const
{
    return dataDir_ / kProfileFolder;
}

std::filesystem::path ConfigStore::DirectoryPath() const
{
    return ProfileFolder() / kDirectoryFile;
}

std::filesystem::path ConfigStore::SlotPath(size_t slot) const
{
    return ProfileFolder() / ("Profile" + std::to_string(slot + 1) + ".cfg");
}

bool ConfigStore::ChineseUi() const
{
    return chineseUi_ && chineseUi_();
}

const std::u16string& ConfigStore::Text(const char* key) const
{
    return strings_.Get(key);
}

void ConfigStore::ShowInfoBox(std::u16string text)
{
    messages_.Show({MessageKind::InfoBox, {}, std::move(text)});
}

void ConfigStore::ShowSystemBox(std::u16string text, MessageIcon icon)
{
    messages_.Show({MessageKind::SystemBox, std::u16string(kCaptionInfo), std::move(text), icon});
}

bool ConfigStore::LoadDirectory()
{
    bool clean = true;
    const std::filesystem::path directoryPath = DirectoryPath();
    const FileReadResult read = files_.ReadFile(directoryPath, kProfileDirectorySize);
    if (read.ok()) {
        Remember(directoryPath, read.bytes);
        directory_ = DirectoryFromBytes(read.bytes);
    } else {
        clean = false;
        directory_ = ProfileDirectory{};
        if (IsMissing(read.error)) {
            ShowInfoBox(FormatWithPath(kMsgOpenFailed, directoryPath));
        }
    }

    // The stored paths are never trusted: DataDir may have moved since they were written.
    for (size_t n = 0; n < kProfileSlots; ++n) {
        SetText(directory_.slots[n].path, Utf8ToUtf16(SlotPath(n).string()));
    }

    bool found = false;
    for (size_t n = 0; n < kProfileSlots && !found; ++n) {
        ProfileSlot& slot = directory_.slots[n];
        if (slot.slotMagic != kSlotMagic || slot.active == 0) {
            continue;
        }
        const LoadOutcome outcome = ReadProfile(SlotPath(n), true);
        if (outcome.result == ProfileLoad::Loaded) {
            currentSlot_ = n;
            found = true;
        } else if (outcome.unreadable) {
            // The user's profile is still in the file: go on with defaults in memory, whose
            // saves the file system refuses until the file can be read.
            clean = false;
            FillDefaults(currentProfile_, ChineseUi());
            currentSlot_ = n;
            found = true;
        } else {
            clean = false;
            slot.active = 0;
            WriteDefaultProfile(SlotPath(n));
        }
    }
    if (!found) {
        const LoadOutcome outcome = ReadProfile(SlotPath(0), false);
        if (outcome.result != ProfileLoad::Loaded) {
            clean = false;
            if (outcome.unreadable) {
                FillDefaults(currentProfile_, ChineseUi());
            } else {
                WriteDefaultProfile(SlotPath(0));
            }
        }
        directory_.slots[0].active = 1;
        currentSlot_ = 0;
    }

    for (size_t n = 0; n < kProfileSlots; ++n) {
        const ProfileSlot& slot = directory_.slots[n];
        selected_[n] = slot.slotMagic == kSlotMagic && slot.active != 0;
    }
    // The slot's saved links are not trusted: an import applied before they followed the
    // profile saved them broken. The profile's own assignments say which macro each button has.
    LinkMacros();
    return clean;
}

ConfigStore::LoadOutcome ConfigStore::ReadProfile(const std::filesystem::path& path,
                                                  bool reportMissing)
{
    LoadOutcome outcome;
    const FileReadResult read = files_.ReadFile(path, kProfileRecordSize);
    if (read.ok()) {
        Remember(path, read.bytes);
        if (!HasProfileMagic(read.bytes)) {
            // The rejected bytes never replace the profile in memory, so they cannot be sent
            // to the mouse or saved over another slot.
            ShowSystemBox(FormatWithPath(kMsgInvalidProfile, path));
            outcome.result = ProfileLoad::Rejected;
            return outcome;
        }
        const RepairedProfile loaded = RepairLoadedProfile(read.bytes, ChineseUi());
        currentProfile_ = loaded.record;
        outcome.result = ProfileLoad::Loaded;
        if (loaded.Damaged()) {
            // Damaged values are never sent to the mouse. The file is written back repaired,
            // so the damage is told once.
            ShowSystemBox(ProfileRepairText(loaded, path, ChineseUi()));
            const ProfileBytes bytes = ProfileToBytes(loaded.record);
            if (files_.WriteFileAtomic(path, bytes) == FileError::None) {
                Remember(path, bytes);
            }
        }
        return outcome;
    }
    if (!IsMissing(read.error)) {
        outcome.unreadable = true;
    } else if (reportMissing) {
        ShowInfoBox(FormatWithPath(kMsgOpenFailed, path));
        outcome.defaultsWritten = WriteDefaultProfile(path);
    }
    return outcome;
}

ProfileLoad ConfigStore::LoadProfileFile(const std::filesystem::path& path, bool reportMissing)
{
    return ReadProfile(path, reportMissing).result;
}

bool ConfigStore::WriteDefaultProfile(const std::filesystem::path& path)
{
    files_.CreateDirectories(ProfileFolder());
    const ProfileRecord defaults = DefaultProfile(ChineseUi());
    const ProfileBytes bytes = ProfileToBytes(defaults);
    const FileError error = files_.WriteFileAtomic(path, bytes);
    if (error != FileError::None) {
        if (error == FileError::AccessDenied) {
            ShowInfoBox(NamingFile(Text(kStrDefaultDenied), path));
        }
        return false;
    }
    Remember(path, bytes);
    currentProfile_ = defaults;
    return true;
}

bool ConfigStore::SaveCurrentProfile()
{
    return WriteCurrentProfile() == SaveOutcome::Saved;
}

ConfigStore::SaveOutcome ConfigStore::WriteCurrentProfile()
{
    if (currentProfile_.magic != kProfileMagic) {
        return SaveOutcome::NotSaved;
    }
    const std::filesystem::path path = SlotPath(currentSlot_);
    // The folder may have been removed while the program ran; recreating it loses nothing.
    files_.CreateDirectories(ProfileFolder());
    const ProfileBytes bytes = ProfileToBytes(currentProfile_);
    const FileError error = files_.WriteFileAtomic(path, bytes);
    if (error == FileError::None) {
        Remember(path, bytes);
    }
    if (error == FileError::NotFound) {
        ShowSystemBox(FormatWithPath(Text(kStrFileNotFound), path));
        return SaveOutcome::NotSavedAndTold;
    }
    if (error == FileError::AccessDenied) {
        ShowSystemBox(NamingFile(Text(kStrSaveDenied), path));
        return SaveOutcome::NotSavedAndTold;
    }
    if (error == FileError::Unreadable) {
        return SaveOutcome::NotSavedAndTold; // the file system told why
    }
    return error == FileError::None ? SaveOutcome::Saved : SaveOutcome::NotSaved;
}

FileError ConfigStore::WriteDirectory()
{
    files_.CreateDirectories(ProfileFolder());
    const DirectoryBytes bytes = DirectoryToBytes(directory_);
    const FileError error = files_.WriteFileAtomic(DirectoryPath(), bytes);
    if (error == FileError::None) {
        Remember(DirectoryPath(), bytes);
    }
    return error;
}

void ConfigStore::Remember(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    seen_[path.string()].assign(bytes.begin(), bytes.end());
}

bool ConfigStore::ChangedOnDisk()
{
    const std::pair<std::filesystem::path, size_t> files[] = {
        {SlotPath(currentSlot_), kProfileRecordSize}, {DirectoryPath(), kProfileDirectorySize}};
    for (const auto& [path, size] : files) {
        const auto seen = seen_.find(path.string());
        if (seen == seen_.end()) {
            continue;
        }
        // Read as the load reads it, so that bytes past a record never count as a change.
        const FileReadResult read = files_.ReadFile(path, size);
        // A file that cannot be read now is left to the save, which says why.
        if (read.ok() && read.bytes != seen->second) {
            return true;
        }
    }
    return false;
}

bool ConfigStore::SaveDirectory()
{
    return WriteDirectory() == FileError::None;
}

bool ConfigStore::SaveAppliedProfile()
{
    directory_.slots[currentSlot_].macroIds = buttonMacroIds_;
    const SaveOutcome profile = WriteCurrentProfile();
    const FileError directory = WriteDirectory();
    // The mouse has the settings now: a user told nothing would take them for saved. Each
    // file that failed is named, once.
    if (profile == SaveOutcome::NotSaved) {
        ShowInfoBox(FormatWithPath(kMsgAppliedNotSaved.In(ChineseUi()), SlotPath(currentSlot_)));
    }
    if (directory == FileError::AccessDenied) {
        ShowSystemBox(NamingFile(Text(kStrSaveDenied), DirectoryPath()));
    } else if (directory != FileError::None && directory != FileError::Unreadable) {
        ShowInfoBox(FormatWithPath(kMsgAppliedNotSaved.In(ChineseUi()), DirectoryPath()));
    }
    return profile == SaveOutcome::Saved && directory == FileError::None;
}

ProfileLoad ConfigStore::SwitchProfile(size_t slot)
{
    if (slot >= kProfileSlots) {
        return ProfileLoad::NotLoaded;
    }
    const LoadOutcome outcome = ReadProfile(SlotPath(slot), true);
    const bool switched = outcome.result == ProfileLoad::Loaded || outcome.defaultsWritten;
    if (!switched) {
        return outcome.result;
    }
    currentSlot_ = slot;
    LinkMacros();
    for (auto& s : directory_.slots) {
        s.active = 0;
    }
    directory_.slots[slot].active = 1;
    for (size_t n = 0; n < kProfileSlots; ++n) {
        selected_[n] = directory_.slots[n].active == 1;
    }
    if (!missingMacros_.empty()) {
        ShowSystemBox(MissingMacrosText(missingMacros_, ChineseUi()));
    }
    return outcome.result;
}

void ConfigStore::RestoreDefaults()
{
    FillDefaults(currentProfile_, ChineseUi());
    LinkMacros();
}

void ConfigStore::LinkMacros()
{
    missingMacros_ = LinkButtonMacros(currentProfile_, buttonMacroIds_, findMacro_);
}

bool ConfigStore::ImportProfile(const std::filesystem::path& path)
{
    const FileReadResult read = files_.ReadFile(path, kProfileRecordSize);
    if (!read.ok() || !HasProfileMagic(read.bytes)) {
        ShowSystemBox(FormatWithPath(kMsgInvalidProfile, path));
        return false;
    }
    currentProfile_ = ProfileFromBytes(read.bytes);
    LinkMacros();
    std::u16string message = FormatWithPath(kMsgImportSuccess, path);
    if (!missingMacros_.empty()) {
        message += u"\n\n" + MissingMacrosText(missingMacros_, ChineseUi());
    }
    ShowSystemBox(std::move(message), MessageIcon::Information);
    return true;
}

bool ConfigStore::ExportProfile(const std::filesystem::path& path)
{
    const bool written =
        files_.WriteFileAtomic(path, ProfileToBytes(currentProfile_)) == FileError::None;
    ShowSystemBox(FormatWithPath(written ? kMsgExportSuccess : kMsgExportFailed, path),
                  written ? MessageIcon::Information : MessageIcon::Warning);
    return written;
}

} // namespace qx71
