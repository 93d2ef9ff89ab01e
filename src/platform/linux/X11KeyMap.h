#pragma once

#include <cstdint>
#include <optional>

namespace qx71 {

// A Windows virtual-key code and whether the key is one of the extended keys (those whose
// low-level event carries flag 0x01).
struct VirtualKey {
    uint8_t code = 0;
    bool extended = false;
    friend bool operator==(const VirtualKey&, const VirtualKey&) = default;
};

// The virtual key of an X keysym, so keys recorded here carry the codes a Windows installation
// stores. Letters map the same in either case. nullopt for keysyms without a virtual key.
std::optional<VirtualKey> VirtualKeyFromKeysym(unsigned long keysym);

} // namespace qx71
