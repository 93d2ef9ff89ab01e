#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace qx71 {

// The settings of one profile as stored in Profile1.cfg .. Profile5.cfg and in exported
// profile files: 22156 bytes, little-endian on every host.
inline constexpr uint32_t kProfileMagic = 0x80800205;
inline constexpr size_t kProfileTextUnits = 260;
inline constexpr size_t kProfileButtons = 7;
inline constexpr size_t kProfileDpiStages = 8;

using ProfileText = std::array<char16_t, kProfileTextUnits>;

// What one of the seven inputs does. Only the fields that belong to `function` are meaningful;
// the others keep whatever an earlier assignment left there.
struct ButtonAssignment {
    int32_t function = 0;  // ButtonFunction code or a kind marker
    uint32_t macroId = 0;  // function 6: the macro's id
    uint32_t hostKind = 0; // function 19: 0xC0 sound, 0xD0 program, 0xE0 file, 0xF0 folder
    std::array<uint8_t, 4> reserved0{};
    uint32_t keyCode = 0;  // function 5: the ComboCode of the key or combination
    int32_t hostValue = 0; // function 19: the chooser's code for the action, stored only
    ProfileText hostPath{};
    std::array<uint8_t, 4> reserved1{};
    ProfileText displayName{};
    std::array<uint8_t, 2080> reserved2{};
};

inline constexpr size_t kButtonAssignmentSize = 3148;
static_assert(offsetof(ButtonAssignment, function) == 0);
static_assert(offsetof(ButtonAssignment, macroId) == 4);
static_assert(offsetof(ButtonAssignment, hostKind) == 8);
static_assert(offsetof(ButtonAssignment, reserved0) == 12);
static_assert(offsetof(ButtonAssignment, keyCode) == 16);
static_assert(offsetof(ButtonAssignment, hostValue) == 20);
static_assert(offsetof(ButtonAssignment, hostPath) == 24);
static_assert(offsetof(ButtonAssignment, reserved1) == 544);
static_assert(offsetof(ButtonAssignment, displayName) == 548);
static_assert(offsetof(ButtonAssignment, reserved2) == 1068);
static_assert(sizeof(ButtonAssignment) == kButtonAssignmentSize);

struct ProfileRecord {
    uint32_t magic = 0;
    std::array<ButtonAssignment, kProfileButtons> buttons{};
    std::array<int32_t, kProfileDpiStages> dpiStages{}; // DPI per stage in order, 0 = unused
    std::array<uint8_t, 40> reserved{};
    int32_t sheightLevel = 0;   // 1..30, stored only
    int32_t reportRate = 0;     // report interval code 1, 2 or 8
    int32_t ledMode = 0;        // LightingMode 1..5
    uint32_t ledColor = 0;      // 0x00BBGGRR
    int32_t ledCustomColor = 0; // 1: colour set freely, 0: the preset ledPresetIndex
    int32_t ledPresetIndex = 0; // 0..25
    int32_t pointerPrecision = 0;
    int32_t pointerSpeed = 0;   // 1..20
    int32_t ledBrightness = 0;  // 1..10
    int32_t ledBreathSpeed = 0; // 1..5
    int32_t wheelLines = 0;     // 1..30, or -1 for one screen per notch
};

inline constexpr size_t kProfileRecordSize = 22156;
static_assert(offsetof(ProfileRecord, magic) == 0);
static_assert(offsetof(ProfileRecord, buttons) == 4);
static_assert(offsetof(ProfileRecord, dpiStages) == 22040);
static_assert(offsetof(ProfileRecord, reserved) == 22072);
static_assert(offsetof(ProfileRecord, sheightLevel) == 22112);
static_assert(offsetof(ProfileRecord, reportRate) == 22116);
static_assert(offsetof(ProfileRecord, ledMode) == 22120);
static_assert(offsetof(ProfileRecord, ledColor) == 22124);
static_assert(offsetof(ProfileRecord, ledCustomColor) == 22128);
static_assert(offsetof(ProfileRecord, ledPresetIndex) == 22132);
static_assert(offsetof(ProfileRecord, pointerPrecision) == 22136);
static_assert(offsetof(ProfileRecord, pointerSpeed) == 22140);
static_assert(offsetof(ProfileRecord, ledBrightness) == 22144);
static_assert(offsetof(ProfileRecord, ledBreathSpeed) == 22148);
static_assert(offsetof(ProfileRecord, wheelLines) == 22152);
static_assert(sizeof(ProfileRecord) == kProfileRecordSize);

using ProfileBytes = std::array<uint8_t, kProfileRecordSize>;

// The record as stored in a file.
ProfileBytes ProfileToBytes(const ProfileRecord& record);
// Reads a record from the start of `bytes`; a shorter input leaves the rest zero and a longer
// one is cut at the record's size.
ProfileRecord ProfileFromBytes(std::span<const uint8_t> bytes);

} // namespace qx71
