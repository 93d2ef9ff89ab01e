#pragma once

#include "core/buttons/ComboText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qx71 {

// The modifier boxes of the chooser's key page, top to bottom.
enum class ComboModifier : uint8_t { Ctrl = 0, Alt = 1, Shift = 2, Win = 3 };
inline constexpr size_t kComboModifierCount = 4;

// The key page of the function chooser: four modifier boxes and one captured key, fed by the
// keyboard hook. A modifier key going down flips its box (left and right share one); any other
// key, going down or up, becomes the captured key. So a combination is typed as the modifiers
// followed by the key, and a second key replaces the first.
class KeyComboCapture {
public:
    // A click on a box flips it.
    void ClickBox(ComboModifier modifier);
    // A key event of the hook: virtual-key code and the hook's key flags.
    void OnHookKey(uint32_t virtualKey, uint32_t flags);

    bool Checked(ComboModifier modifier) const { return boxes_[Index(modifier)]; }
    // The captured virtual key; 0 before any.
    uint32_t CapturedKey() const { return capturedKey_; }
    // The captured key's name as the page shows it; empty while no key is captured.
    std::u16string KeyText() const;

    // The chosen combination: the key's usage with the checked modifiers; one lone modifier is
    // its own key. 0 when nothing can be sent (no key and no box, or several boxes alone, or
    // a key the mouse does not know).
    ComboCode ResultCode() const;

private:
    static constexpr size_t Index(ComboModifier m) { return static_cast<size_t>(m); }

    std::array<bool, kComboModifierCount> boxes_{};
    uint32_t capturedKey_ = 0;
};

// The modifier a virtual key stands for (either side), if it is one.
bool ModifierOfKey(uint32_t virtualKey, ComboModifier& modifier);

} // namespace qx71
