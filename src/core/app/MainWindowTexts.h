#pragma once

#include "core/i18n/LanguageTable.h"

#include <array>
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
inline constexpr int kTrayConfigIcon = 1012;
inline constexpr int kTrayExitIcon = 1011;
inline constexpr int kWindowIcon = 128;

// The interface-string keys of the eleven buttons, in order: the five tabs, the five
// profile buttons, Apply. They are the buttons' captions and tooltips alike.
inline constexpr std::array<std::string_view, 11> kButtonKeys = {
    "str_main",     "str_led_title", "str_macro_manager", "str_sts",      "str_about",
    "str_profile1", "str_profile2",  "str_profile3",      "str_profile4", "str_profile5",
    "str_ok",
};

// The language menu's pictures: its background, the item icons (130 + position) and the
// window's flag bitmaps (141 + language number).
inline constexpr int kLanguageMenuBackground = 129;
inline constexpr int LanguageMenuIcon(int position)
{
    return 130 + position;
}
inline constexpr int LanguageFlag(LanguageId id)
{
    return 141 + id;
}
inline constexpr uint32_t kLanguageMenuMessage = 0x401;

} // namespace qx71::mainwindow
