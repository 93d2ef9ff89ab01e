#pragma once

#include <cstdint>
#include <string_view>

namespace qx71::mainwindow {

// The window's title; a second copy of the program finds the first by it.
inline constexpr std::string_view kTitle = "Tolvi QX71 Gaming Mouse Driver";

// The notification-area icon: its tooltip, its "Running" balloon, and its menu.
inline constexpr std::string_view kTrayTooltip = kTitle;
inline constexpr std::string_view kTrayBalloonTitle = "Running";
inline constexpr std::string_view kTrayBalloonText = kTitle;
inline constexpr int kTrayBalloonMs = 5000;
inline constexpr uint32_t kTrayConfigCommand = 0x6000;
inline constexpr uint32_t kTrayExitCommand = 0x6001;
inline constexpr std::string_view kTrayConfigText = "Config";
inline constexpr std::string_view kTrayExitText = "Exit";

} // namespace qx71::mainwindow
