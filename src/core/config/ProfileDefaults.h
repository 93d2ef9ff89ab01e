#pragma once

#include "core/config/ProfileDirectory.h"
#include "core/config/ProfileRecord.h"

#include <array>
#include <cstdint>

namespace qx71 {

// The settings of a new or restored profile.
inline constexpr std::array<int32_t, kProfileDpiStages> kDefaultDpiStages = {1000, 2000, 3000};
inline constexpr int32_t kDefaultSheightLevel = 15;
inline constexpr int32_t kDefaultReportRate = 1;         // 1000 reports per second
inline constexpr int32_t kDefaultLedMode = 4;            // Spe
inline constexpr uint32_t kDefaultLedColor = 0x000000FF; // red
inline constexpr int32_t kDefaultLedCustomColor = 1;
inline constexpr int32_t kDefaultLedPresetIndex = 0;
inline constexpr int32_t kDefaultPointerPrecision = 0;
inline constexpr int32_t kDefaultPointerSpeed = 10;
inline constexpr int32_t kDefaultLedBrightness = 5;
inline constexpr int32_t kDefaultLedBreathSpeed = 3;
inline constexpr int32_t kDefaultWheelLines = 3;

// Zeroes the record, then sets the default values and gives each input its default function,
// named in the language in force.
void FillDefaults(ProfileRecord& record, bool chineseUi);
ProfileRecord DefaultProfile(bool chineseUi);

// The directory the program is installed with: five valid slots, the first one in use.
ProfileDirectory SeedDirectory();

} // namespace qx71
