#include "core/buttons/MacroKeyNames.h"

namespace qx71 {

namespace {

constexpr uint32_t kVirtualKeyMask = 0xFF;

} // namespace

std::u16string MacroKeyName(uint32_t code)
{
    const uint32_t virtualKey = code & kVirtualKeyMask;
    for (const auto& entry : kMacroKeyNames) {
        if (entry.virtualKey == virtualKey) {
            return std::u16string(entry.name);
        }
    }
    return {};
}

} // namespace qx71
