#include "core/macro/MacroTable.h"

#include <algorithm>

namespace qx71 {

MacroTable::MacroTable() : slots_(kMacroTableSlots) {}

std::optional<size_t> MacroTable::FindSlot(uint32_t id) const
{
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].id == id) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<MacroListEntry> MacroTable::ListCategory(uint32_t category) const
{
    std::vector<MacroListEntry> list;
    for (size_t i = 0; i < slots_.size(); ++i) {
        const MacroRecord& r = slots_[i];
        if (IsListedMacro(r) && MacroCategoryOf(r.id) == category) {
            list.push_back({i, r.id, MacroNameOf(r)});
        }
    }
    return list;
}

MacroPutResult MacroTable::Put(const MacroRecord& record)
{
    if (!IsStorableMacro(record)) {
        return MacroPutResult::Invalid;
    }
    std::optional<size_t> index = FindSlot(record.id);
    if (!index) {
        // A slot is taken by its magic alone: a listed slot without magic is still free.
        auto free = std::find_if(slots_.begin(), slots_.end(),
                                 [](const MacroRecord& r) { return r.magic == 0; });
        if (free == slots_.end()) {
            return MacroPutResult::TableFull;
        }
        index = static_cast<size_t>(free - slots_.begin());
    }
    MacroRecord& slot = slots_[*index];
    std::fill(std::begin(slot.events), std::end(slot.events), MacroEvent{0});
    std::copy_n(record.events, record.eventCount, slot.events);
    slot.id = record.id;
    slot.eventCount = record.eventCount;
    slot.loopCount = record.loopCount;
    slot.reserved = record.reserved;
    std::copy(std::begin(record.name), std::end(record.name), slot.name);
    slot.size = record.size;
    slot.magic = record.magic;
    return MacroPutResult::Stored;
}

bool MacroTable::Free(uint32_t id)
{
    const std::optional<size_t> index = FindSlot(id);
    if (!index) {
        return false;
    }
    slots_[*index] = MacroRecord{};
    return true;
}

void MacroTable::Clear()
{
    std::fill(slots_.begin(), slots_.end(), MacroRecord{});
}

void MacroTable::ReadImage(std::span<const uint8_t> image)
{
    // A short last record is read as far as it goes, the rest of it zero.
    std::vector<uint8_t> padded(kMacroFileBytes, 0);
    std::copy_n(image.begin(), std::min(image.size(), kMacroFileBytes), padded.begin());
    for (size_t i = 0; i < slots_.size(); ++i) {
        slots_[i] = ReadMacroRecord(std::span<const uint8_t, kMacroRecordSize>(
            padded.data() + i * kMacroRecordSize, kMacroRecordSize));
    }
}

std::vector<uint8_t> MacroTable::WriteImage() const
{
    std::vector<uint8_t> image(kMacroFileBytes);
    for (size_t i = 0; i < slots_.size(); ++i) {
        WriteMacroRecord(slots_[i], std::span<uint8_t, kMacroRecordSize>(
                                        image.data() + i * kMacroRecordSize, kMacroRecordSize));
    }
    return image;
}

} // namespace qx71
