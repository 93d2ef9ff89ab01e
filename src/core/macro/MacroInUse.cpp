#include "core/macro/MacroInUse.h"

#include <algorithm>

namespace qx71 {

bool IsMacroInUse(uint32_t id, std::span<const std::array<uint32_t, kMacroButtons>> slotMacroIds,
                  std::span<const MacroButtonUse> activeButtons)
{
    for (const auto& ids : slotMacroIds) {
        if (std::find(ids.begin(), ids.end(), id) != ids.end()) {
            return true;
        }
    }
    return std::any_of(activeButtons.begin(), activeButtons.end(), [id](const MacroButtonUse& b) {
        return b.function == kMacroButtonFunction && b.macroId == id;
    });
}

} // namespace qx71
