#pragma once

#include "core/buttons/ButtonIndex.h"
#include "core/config/ProfileRecord.h"
#include "core/config/WritePass.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qx71 {

// A button whose assignment names a macro that the macro table does not hold (or holds
// without events): the write pass sends it no code.
struct MissingMacro {
    ButtonIndex button = ButtonIndex::Left;
    uint32_t macroId = 0;
    std::u16string name; // the name the assignment shows

    bool operator==(const MissingMacro&) const = default;
};

// The buttons of `profile` set to a macro that `findMacro` cannot give, in button order.
std::vector<MissingMacro> FindMissingMacros(const ProfileRecord& profile,
                                            const MacroLookup& findMacro);

// Makes the buttons' macro links those of the profile's own assignments: a macro button's
// link is its `macroId`, every other button has none. A profile that arrived from a file
// (import, switch, defaults) thus never sends the macros of the profile it replaced. Returns
// the macro buttons whose macro is missing; without a lookup nothing counts as missing.
std::vector<MissingMacro> LinkButtonMacros(const ProfileRecord& profile,
                                           std::array<uint32_t, kProfileButtons>& buttonMacroIds,
                                           const MacroLookup& findMacro);

// What the user is told about missing macros, one line per button; empty for none.
std::u16string MissingMacrosText(const std::vector<MissingMacro>& missing, bool chinese);

} // namespace qx71
