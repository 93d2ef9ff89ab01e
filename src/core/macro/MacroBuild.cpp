#include "core/macro/MacroBuild.h"

#include <algorithm>
#include <limits>

namespace qx71 {

std::u16string PauseText(uint32_t ms)
{
    std::u16string text;
    for (char c : std::to_string(ms)) {
        text.push_back(static_cast<char16_t>(c));
    }
    text += u"  ms";
    return text;
}

EventItem MakePauseItem(uint32_t ms)
{
    const uint32_t value = std::min(ms, kMaxPauseMs);
    return {MacroItemKind::Pause, value, PauseText(value)};
}

EventItem MakeKeyItem(MacroItemKind kind, uint32_t code, const MacroKeyNamer& namer)
{
    return {kind, code & kItemValueMask, namer ? namer(code) : std::u16string()};
}

std::optional<uint32_t> ParseDecimal(std::u16string_view text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    uint64_t value = 0;
    constexpr uint64_t kMax = std::numeric_limits<uint32_t>::max();
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = std::min(value * 10 + static_cast<uint64_t>(c - u'0'), kMax);
    }
    return static_cast<uint32_t>(value);
}

std::optional<uint32_t> ParseDelayField(std::u16string_view text)
{
    if (text.empty()) {
        return 0;
    }
    return ParseDecimal(text);
}

uint32_t LoopCountFromText(std::u16string_view text)
{
    const std::optional<uint32_t> value = ParseDecimal(text);
    if (!value || *value == 0) {
        return 1;
    }
    return std::min(*value, kMaxLoopCount);
}

std::vector<EventItem> EventItemsOf(const MacroRecord& record, const MacroKeyNamer& namer,
                                    bool* invalid)
{
    std::vector<EventItem> items;
    if (invalid != nullptr) {
        *invalid = false;
    }
    for (size_t i = 0; i < UsableEventCount(record); ++i) {
        const MacroEvent e = record.events[i];
        const uint32_t value = MacroEventValue(e);
        switch (static_cast<MacroEventKind>(MacroEventKindByte(e))) {
        case MacroEventKind::KeyUp:
            items.push_back(MakeKeyItem(MacroItemKind::Release, value, namer));
            continue;
        case MacroEventKind::KeyDown:
            items.push_back(MakeKeyItem(MacroItemKind::Press, value, namer));
            continue;
        case MacroEventKind::Delay:
            items.push_back(MakePauseItem(value));
            continue;
        }
        if (invalid != nullptr) {
            *invalid = true;
        }
        break;
    }
    return items;
}

uint32_t NewMacroId(uint32_t category, uint32_t tick, const std::function<bool(uint32_t)>& taken)
{
    uint32_t id = MakeMacroId(category, tick);
    for (uint32_t tries = 0; taken && taken(id) && tries <= kMacroIdLowMask; ++tries) {
        id = MakeMacroId(category, ++tick);
    }
    return id;
}

void MergeDelays(EventListModel& list)
{
    size_t i = 1;
    while (i < list.Size()) {
        if (list.At(i - 1).IsPause() && list.At(i).IsPause()) {
            const uint32_t sum = list.At(i - 1).value + list.At(i).value;
            list.Replace(i, MakePauseItem(std::min(sum, kMaxMergedPauseMs)));
            list.Erase(i - 1);
            // The merged item now sits at i - 1 and may meet the next pause.
        } else {
            ++i;
        }
    }
}

namespace {

MacroEventKind EventKindOf(MacroItemKind kind)
{
    switch (kind) {
    case MacroItemKind::Release:
        return MacroEventKind::KeyUp;
    case MacroItemKind::Press:
        return MacroEventKind::KeyDown;
    default:
        return MacroEventKind::Delay;
    }
}

} // namespace

std::optional<BuiltMacro> BuildMacroFromList(EventListModel& list, std::u16string_view loopText,
                                             uint32_t id, std::u16string_view name)
{
    const size_t itemsAtStart = list.Size();
    if (itemsAtStart == 0) {
        return std::nullopt;
    }
    MergeDelays(list);

    BuiltMacro built;
    MacroRecord& r = built.record;
    r.size = kBuiltRecordBaseSize + kBuiltRecordBytesPerItem * static_cast<uint32_t>(itemsAtStart);
    r.magic = kMacroMagic;
    r.id = id;
    r.reserved = 0;
    size_t count = 0;
    bool seenKey = false;
    for (size_t i = 0; i < list.Size(); ++i) {
        const EventItem& item = list.At(i);
        seenKey = seenKey || item.IsKey();
        if (!seenKey) {
            continue; // a macro never starts with a pause
        }
        if (count == kMacroMaxEvents) {
            list.EraseFrom(i);
            built.truncated = true;
            break;
        }
        r.events[count++] = MakeMacroEvent(EventKindOf(item.kind), item.value);
    }
    if (count == 0) {
        return std::nullopt; // only pauses: a stored macro always has an event
    }
    r.eventCount = static_cast<uint32_t>(count);
    const bool singlePress = count == 1 && MacroEventKindByte(r.events[0]) ==
                                               static_cast<uint8_t>(MacroEventKind::KeyDown);
    r.loopCount = singlePress ? LoopSinglePress : LoopCountFromText(loopText);
    SetMacroName(r, name);
    return built;
}

} // namespace qx71
