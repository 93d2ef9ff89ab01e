#pragma once

#include "core/macro/MacroLists.h"
#include "core/macro/MacroRecord.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qx71 {

// The display name of a recorded key code.
using MacroKeyNamer = std::function<std::u16string(uint32_t code)>;

// Two adjacent pauses merge into one of at most this length, and a pause inserted next to a
// pause grows it to at most this length.
inline constexpr uint32_t kMaxMergedPauseMs = 327670;
inline constexpr uint32_t kMaxPauseMs = kMacroEventValueMask;
inline constexpr uint32_t kMaxLoopCount = 65533;
// The record's size field counts the editor's list as it was when the build began.
inline constexpr uint32_t kBuiltRecordBaseSize = 4100;
inline constexpr uint32_t kBuiltRecordBytesPerItem = 4;

// "%d  ms" (two spaces), as the event list shows a pause.
std::u16string PauseText(uint32_t ms);
EventItem MakePauseItem(uint32_t ms);
EventItem MakeKeyItem(MacroItemKind kind, uint32_t code, const MacroKeyNamer& namer);

// A base-10 number made of digits only; longer numbers saturate at 2^32 - 1.
std::optional<uint32_t> ParseDecimal(std::u16string_view text);
// The delay field: a number, and an empty field counts as 0.
std::optional<uint32_t> ParseDelayField(std::u16string_view text);
// The loop-count field: not a number or 0 gives 1, above 65533 gives 65533.
uint32_t LoopCountFromText(std::u16string_view text);

// The event-list items of a stored macro. An event of unknown kind ends the list; `invalid`
// then says so.
std::vector<EventItem> EventItemsOf(const MacroRecord& record, const MacroKeyNamer& namer,
                                    bool* invalid = nullptr);

// A new macro's id: the category and the tick's low 24 bits, moved on to the next free value
// when `taken` says the id is in use, so that a new macro never replaces a stored one.
uint32_t NewMacroId(uint32_t category, uint32_t tick, const std::function<bool(uint32_t)>& taken);

// Collapses every run of adjacent pauses into its last item, capped at 327,670 ms.
void MergeDelays(EventListModel& list);

struct BuiltMacro {
    MacroRecord record;
    // The list held more than a record can (1000 events): the first 1000 were built and the
    // list was cut after the last of them, so the list shows what is stored.
    bool truncated = false;
};

// Builds the record of a macro from the event list: pauses merged (in the list too), leading
// pauses left out, a single key press played once per press. Nothing when the list holds no
// key event.
std::optional<BuiltMacro> BuildMacroFromList(EventListModel& list, std::u16string_view loopText,
                                             uint32_t id, std::u16string_view name);

} // namespace qx71
