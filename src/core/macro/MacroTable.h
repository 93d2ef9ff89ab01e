#pragma once

#include "core/macro/MacroRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qx71 {

inline constexpr size_t kMacroTableSlots = 500;
// Macro.cfg is the table's image: every slot in order, no header.
inline constexpr size_t kMacroFileBytes = kMacroTableSlots * kMacroRecordSize;
static_assert(kMacroFileBytes == 2052000);

// One line of a macro list.
struct MacroListEntry {
    size_t slot = 0;
    uint32_t id = 0;
    std::u16string name;
};

enum class MacroPutResult {
    Stored,
    Invalid,   // size or magic wrong, or more than 1000 events
    TableFull, // a new id and no free slot
};

// The 500 macro slots the program keeps for its whole run, in file order. Plain data: the file
// and the locking are MacroLibrary's.
class MacroTable {
public:
    MacroTable();

    const MacroRecord& Slot(size_t index) const { return slots_[index]; }

    // The first slot holding `id` (ids are compared alone, free slots included).
    std::optional<size_t> FindSlot(uint32_t id) const;
    // Every listed slot of the category, in slot order.
    std::vector<MacroListEntry> ListCategory(uint32_t category) const;
    // Into the slot with the record's id, else the first free one.
    MacroPutResult Put(const MacroRecord& record);
    // Clears the first slot holding `id`; false when none does.
    bool Free(uint32_t id);
    void Clear();

    // Fills the table from the start of a file image; slots the bytes do not reach stay free,
    // bytes beyond the table are ignored.
    void ReadImage(std::span<const uint8_t> image);
    std::vector<uint8_t> WriteImage() const;

private:
    std::vector<MacroRecord> slots_;
};

} // namespace qx71
