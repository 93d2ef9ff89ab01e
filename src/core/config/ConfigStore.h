#pragma once

#include "core/common/IFileSystem.h"
#include "core/common/IMessageSink.h"
#include "core/config/MacroLinks.h"
#include "core/config/ProfileDirectory.h"
#include "core/config/ProfileRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace qx71 {

class IFileSystem;
class UiStrings;

// Result of reading a profile file; the numbers are the ones the window's code expects.
enum class ProfileLoad : uint8_t {
    NotLoaded = 0, // the file could not be read
    Loaded = 1,
    Rejected = 255, // read, but it is not a profile
};

// The five profiles and their directory under DataDir/Profile, with the one profile held in
// memory. The pages edit CurrentProfile() and ButtonMacroIds() in place; nothing reaches a
// file until the caller saves. Every file is replaced atomically, and a record without the
// profile magic never becomes the current profile.
class ConfigStore {
public:
    // `chineseUi` tells whether the Chinese interface is in force when a default profile is
    // named; without it the names are English.
    ConfigStore(IFileSystem& files, IMessageSink& messages, const UiStrings& strings,
                std::filesystem::path dataDir, std::function<bool()> chineseUi = {});

    // Where the macros of the profile's macro buttons are looked up. With it, every profile
    // that arrives (load, switch, import, defaults) is checked, and a switch or an import names
    // the buttons whose macro is missing; without it no macro counts as missing.
    void SetMacroLookup(MacroLookup findMacro) { findMacro_ = std::move(findMacro); }

    // Reads ConfigInfo.cfg and loads the first active slot whose profile reads, repairing
    // missing or rejected files with defaults on the way; the first slot is the fallback. An
    // active slot whose file is there but cannot be read stays the current one with defaults
    // in memory, and its file is left alone. The buttons' macro links are taken from the
    // loaded profile's own assignments (a link saved broken is mended here). False when
    // anything had to be replaced or could not be read.
    bool LoadDirectory();

    // Reads `path` into the current profile. A missing file is reported and written with
    // defaults when `reportMissing` is set. A rejected file leaves the current profile as it was.
    ProfileLoad LoadProfileFile(const std::filesystem::path& path, bool reportMissing);

    // Writes a default profile to `path` and makes it the current profile; on failure the
    // current profile is unchanged.
    bool WriteDefaultProfile(const std::filesystem::path& path);

    // Writes the current profile to the current slot's file.
    bool SaveCurrentProfile();
    // Writes ConfigInfo.cfg. A failure is not reported to the user, only returned.
    bool SaveDirectory();
    // After a successful write to the mouse: records ButtonMacroIds() as the current slot's
    // macros, then saves the profile and the directory. A failure is told to the user.
    bool SaveAppliedProfile();

    // Makes `slot` (0..4) the current one. Loaded: switched. Rejected: nothing changes, the
    // previous profile stays current. NotLoaded: the file was missing; when it could be written
    // with defaults the switch went through with them (see CurrentSlot()), else nothing changes.
    // The macro links follow the new profile; missing macros are named in a box.
    ProfileLoad SwitchProfile(size_t slot);

    // True when the current slot's file or ConfigInfo.cfg now holds other bytes than this
    // store last read or saved there: another program (qx71ctl) changed them meanwhile, and a
    // save from memory would undo that change.
    bool ChangedOnDisk();

    // Fills the current profile with defaults and clears ButtonMacroIds(); writes nothing.
    void RestoreDefaults();

    // Takes the record of a profile file as the current profile when it is one, with the macro
    // links of its own assignments; the success message names the buttons whose macro is
    // missing. Only the memory changes: nothing is saved.
    bool ImportProfile(const std::filesystem::path& path);
    // Writes the current profile to a file of the user's choice.
    bool ExportProfile(const std::filesystem::path& path);

    ProfileRecord& CurrentProfile() { return currentProfile_; }
    const ProfileRecord& CurrentProfile() const { return currentProfile_; }
    size_t CurrentSlot() const { return currentSlot_; }
    std::array<uint32_t, kProfileButtons>& ButtonMacroIds() { return buttonMacroIds_; }
    const std::array<uint32_t, kProfileButtons>& ButtonMacroIds() const { return buttonMacroIds_; }
    const ProfileDirectory& Directory() const { return directory_; }
    // The macro buttons whose macro was missing when the current profile arrived.
    const std::vector<MissingMacro>& MissingMacros() const { return missingMacros_; }
    // Which of the window's five profile buttons show as selected.
    const std::array<bool, kProfileSlots>& SelectedButtons() const { return selected_; }

    const std::filesystem::path& DataDir() const { return dataDir_; }
    bool ChineseUi() const;
    std::filesystem::path ProfileFolder() const;
    std::filesystem::path DirectoryPath() const;
    std::filesystem::path SlotPath(size_t slot) const;

private:
    struct LoadOutcome {
        ProfileLoad result = ProfileLoad::NotLoaded;
        bool defaultsWritten = false;
        // The file is there but could not be read: it keeps the user's data and is never
        // written over (the file system refuses and tells).
        bool unreadable = false;
    };
    LoadOutcome ReadProfile(const std::filesystem::path& path, bool reportMissing);
    enum class SaveOutcome { Saved, NotSaved, NotSavedAndTold };
    SaveOutcome WriteCurrentProfile();
    FileError WriteDirectory();
    void Remember(const std::filesystem::path& path, std::span<const uint8_t> bytes);
    void ShowInfoBox(std::u16string text);
    void ShowSystemBox(std::u16string text, MessageIcon icon = MessageIcon::Warning);
    const std::u16string& Text(const char* key) const;
    void LinkMacros();

    IFileSystem& files_;
    IMessageSink& messages_;
    const UiStrings& strings_;
    std::filesystem::path dataDir_;
    std::function<bool()> chineseUi_;

    ProfileRecord currentProfile_;
    size_t currentSlot_ = 0;
    std::array<uint32_t, kProfileButtons> buttonMacroIds_{};
    ProfileDirectory directory_;
    std::array<bool, kProfileSlots> selected_{};
    MacroLookup findMacro_;
    std::vector<MissingMacro> missingMacros_;
    // The bytes of each file as this store last read or saved them.
    std::map<std::string, std::vector<uint8_t>> seen_;
};

} // namespace qx71
