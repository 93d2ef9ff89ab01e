#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace qx71 {

inline constexpr size_t kMacroButtons = 7;
// The button function that plays a macro.
inline constexpr uint32_t kMacroButtonFunction = 6;

// What the in-use test needs of one button of the active profile.
struct MacroButtonUse {
    uint32_t function = 0;
    uint32_t macroId = 0;
};

// A macro is in use while a profile slot's applied macro ids hold it, or while a button of the
// active profile plays it. The working copy of the ids is not consulted.
bool IsMacroInUse(uint32_t id, std::span<const std::array<uint32_t, kMacroButtons>> slotMacroIds,
                  std::span<const MacroButtonUse> activeButtons);

// Answers the in-use test for the macro page from the current profiles.
class IMacroUsage {
public:
    virtual ~IMacroUsage() = default;
    virtual bool IsMacroInUse(uint32_t id) const = 0;
};

} // namespace qx71
