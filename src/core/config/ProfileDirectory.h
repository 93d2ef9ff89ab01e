#pragma once

#include "core/config/ProfileRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace qx71 {

// Profile/ConfigInfo.cfg: which of the five profiles are valid and in use, and the macro of
// each button as last applied. 8000 bytes, little-endian on every host.
inline constexpr int32_t kSlotMagic = 48830;
inline constexpr size_t kProfileSlots = 5;

struct ProfileSlot {
    int32_t slotMagic = 0; // kSlotMagic marks a valid slot
    int32_t active = 0;    // 1 for the slot in use
    std::array<uint8_t, 524> reserved0{};
    ProfileText path{}; // the slot's profile file, for information only: never read back
    std::array<uint8_t, 520> reserved1{};
    std::array<uint32_t, kProfileButtons> macroIds{}; // per button, 0 = none
};

inline constexpr size_t kProfileSlotSize = 1600;
static_assert(offsetof(ProfileSlot, slotMagic) == 0);
static_assert(offsetof(ProfileSlot, active) == 4);
static_assert(offsetof(ProfileSlot, reserved0) == 8);
static_assert(offsetof(ProfileSlot, path) == 532);
static_assert(offsetof(ProfileSlot, reserved1) == 1052);
static_assert(offsetof(ProfileSlot, macroIds) == 1572);
static_assert(sizeof(ProfileSlot) == kProfileSlotSize);

struct ProfileDirectory {
    std::array<ProfileSlot, kProfileSlots> slots{};
};

inline constexpr size_t kProfileDirectorySize = 8000;
static_assert(offsetof(ProfileDirectory, slots) == 0);
static_assert(sizeof(ProfileDirectory) == kProfileDirectorySize);

using DirectoryBytes = std::array<uint8_t, kProfileDirectorySize>;

DirectoryBytes DirectoryToBytes(const ProfileDirectory& directory);
// A shorter input leaves the rest zero; a longer one is cut at the directory's size.
ProfileDirectory DirectoryFromBytes(std::span<const uint8_t> bytes);

} // namespace qx71
