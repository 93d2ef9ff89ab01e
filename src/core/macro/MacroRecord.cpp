#include "core/macro/MacroRecord.h"

#include "core/common/LittleEndian.h"

#include <algorithm>

namespace qx71 {

std::u16string MacroNameOf(const MacroRecord& r)
{
    const auto* end = std::find(std::begin(r.name), std::end(r.name), u'\0');
    return std::u16string(std::begin(r.name), end);
}

void SetMacroName(MacroRecord& r, std::u16string_view name)
{
    std::fill(std::begin(r.name), std::end(r.name), u'\0');
    const size_t units = std::min(name.size(), kMacroNameUnits - 1);
    std::copy_n(name.begin(), units, std::begin(r.name));
}

void WriteMacroRecord(const MacroRecord& r, std::span<uint8_t, kMacroRecordSize> out)
{
    uint8_t* p = out.data();
    StoreLe32(p + offsetof(MacroRecord, size), r.size);
    StoreLe32(p + offsetof(MacroRecord, magic), r.magic);
    StoreLe32(p + offsetof(MacroRecord, id), r.id);
    StoreLe32(p + offsetof(MacroRecord, reserved), r.reserved);
    StoreLe32(p + offsetof(MacroRecord, loopCount), r.loopCount);
    StoreLe32(p + offsetof(MacroRecord, eventCount), r.eventCount);
    for (size_t i = 0; i < kMacroMaxEvents; ++i) {
        StoreLe32(p + offsetof(MacroRecord, events) + 4 * i, r.events[i]);
    }
    for (size_t i = 0; i < kMacroNameUnits; ++i) {
        StoreLe16(p + offsetof(MacroRecord, name) + 2 * i, static_cast<uint16_t>(r.name[i]));
    }
}

MacroRecord ReadMacroRecord(std::span<const uint8_t, kMacroRecordSize> in)
{
    const uint8_t* p = in.data();
    MacroRecord r;
    r.size = LoadLe32(p + offsetof(MacroRecord, size));
    r.magic = LoadLe32(p + offsetof(MacroRecord, magic));
    r.id = LoadLe32(p + offsetof(MacroRecord, id));
    r.reserved = LoadLe32(p + offsetof(MacroRecord, reserved));
    r.loopCount = LoadLe32(p + offsetof(MacroRecord, loopCount));
    r.eventCount = LoadLe32(p + offsetof(MacroRecord, eventCount));
    for (size_t i = 0; i < kMacroMaxEvents; ++i) {
        r.events[i] = LoadLe32(p + offsetof(MacroRecord, events) + 4 * i);
    }
    for (size_t i = 0; i < kMacroNameUnits; ++i) {
        r.name[i] = static_cast<char16_t>(LoadLe16(p + offsetof(MacroRecord, name) + 2 * i));
    }
    return r;
}

} // namespace qx71
