#pragma once

#include "core/common/IFileSystem.h"
#include "core/macro/MacroTable.h"

#include <filesystem>
#include <mutex>
#include <optional>
#include <vector>

namespace qx71 {

class IMessageSink;
class UiStrings;

inline constexpr const char* kMacroFileName = "Macro.cfg";

enum class MacroStoreResult {
    Stored,
    Invalid,     // the record fails the size/magic test or holds more than 1000 events
    TableFull,   // 500 macros are stored already
    WriteFailed, // the table holds the record but Macro.cfg could not be written
};

// The macro table together with Macro.cfg. Every change rewrites the whole file atomically.
// The profile write reads macros from another thread, so every access takes the lock and
// readers get copies.
class MacroLibrary {
public:
    MacroLibrary(IFileSystem& files, IMessageSink& messages, const UiStrings& strings,
                 std::filesystem::path file);
    MacroLibrary(const MacroLibrary&) = delete;
    MacroLibrary& operator=(const MacroLibrary&) = delete;

    const std::filesystem::path& FilePath() const { return file_; }

    // Reads Macro.cfg into an emptied table. A missing file is reported (str_msg2) and leaves
    // the table empty; the first store then creates it.
    bool LoadMacroFile();
    // Writes the whole table. A missing file is reported (str_msg2) and created; a refused
    // write is reported (str_msg4).
    FileError SaveMacroFile();
    MacroStoreResult StoreMacro(const MacroRecord& record);
    // Frees the slot of `id` (if any) and rewrites the file either way.
    FileError DeleteMacro(uint32_t id);

    std::optional<MacroRecord> FindMacro(uint32_t id) const;
    // Every slot holding `id`, in slot order.
    std::vector<MacroRecord> RecordsWithId(uint32_t id) const;
    std::vector<MacroListEntry> ListCategory(uint32_t category) const;
    // True when a listed or stored slot already holds `id`.
    bool HoldsId(uint32_t id) const;
    MacroTable Snapshot() const;

    // After a load that failed for another reason than a missing file, the file on disk still
    // holds the user's macros, which the empty table must not overwrite.
    bool WriteProtected() const;

private:
    IFileSystem& files_;
    IMessageSink& messages_;
    const UiStrings& strings_;
    std::filesystem::path file_;
    mutable std::mutex mutex_; // guards table_ and writeProtected_
    std::mutex saveMutex_;     // keeps whole saves in order
    MacroTable table_;
    bool writeProtected_ = false;
};

} // namespace qx71
