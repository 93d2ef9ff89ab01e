#include "core/config/StoreMacroUsage.h"

#include "core/config/ConfigStore.h"

namespace qx71 {

static_assert(kMacroButtons == kProfileButtons);

bool StoreMacroUsage::IsMacroInUse(uint32_t id) const
{
    std::array<std::array<uint32_t, kMacroButtons>, kProfileSlots> slotIds{};
    for (size_t n = 0; n < kProfileSlots; ++n) {
        slotIds[n] = store_.Directory().slots[n].macroIds;
    }
    std::array<MacroButtonUse, kProfileButtons> buttons{};
    for (size_t i = 0; i < kProfileButtons; ++i) {
        const ButtonAssignment& b = store_.CurrentProfile().buttons[i];
        buttons[i] = {static_cast<uint32_t>(b.function), b.macroId};
    }
    return qx71::IsMacroInUse(id, slotIds, buttons);
}

} // namespace qx71
