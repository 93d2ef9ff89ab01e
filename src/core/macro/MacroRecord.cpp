#include "core/macro/MacroRecord.h"

#include "core/common/RecordCodec.h"

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

namespace {

// Every field of the record with its offset; `R` is the record, const or not.
template <class R, class F> void VisitMacroFields(R& r, F&& f)
{
    f(offsetof(MacroRecord, size), r.size);
    f(offsetof(MacroRecord, magic), r.magic);
    f(offsetof(MacroRecord, id), r.id);
    f(offsetof(MacroRecord, reserved), r.reserved);
    f(offsetof(MacroRecord, loopCount), r.loopCount);
    f(offsetof(MacroRecord, eventCount), r.eventCount);
    f(offsetof(MacroRecord, events), r.events);
    f(offsetof(MacroRecord, name), r.name);
}

} // namespace

void WriteMacroRecord(const MacroRecord& r, std::span<uint8_t, kMacroRecordSize> out)
{
    VisitMacroFields(r, codec::Writer(out.data()));
}

MacroRecord ReadMacroRecord(std::span<const uint8_t, kMacroRecordSize> in)
{
    MacroRecord r;
    VisitMacroFields(r, codec::Reader(in.data()));
    return r;
}

} // namespace qx71
