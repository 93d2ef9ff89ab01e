// The interface texts' keys checked against their published list: the same 107 keys in the
// same order (the order is the order of `lang check` and of the table), none misspelt.
#include "core/i18n/UiStrings.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace qx71 {
namespace {

const std::vector<std::string_view> kPublishedKeys = {
    "str_main",
    "str_led_title",
    "str_macro_manager",
    "str_sts",
    "str_about",
    "str_profile1",
    "str_profile2",
    "str_profile3",
    "str_profile4",
    "str_profile5",
    "str_ok",
    "str_dpiwant",
    "str_mouseSpeed",
    "str_improveAccuracy",
    "str_sheight",
    "str_rollingrate",
    "str_rollerColumn",
    "str_rollerScreen",
    "str_close",
    "str_lock",
    "str_run",
    "str_show",
    "str_win8_classic",
    "str_win8_switch",
    "str_win8_winp",
    "str_win8_winm",
    "str_find",
    "str_mouseleft",
    "str_mousemiddle",
    "str_mouseright",
    "str_pre",
    "str_back",
    "str_player",
    "str_PL",
    "str_stop",
    "str_pre_media",
    "str_next_media",
    "str_vol_dw",
    "str_vol_up",
    "str_mute",
    "str_snipe",
    "str_fire",
    "str_advanced_sound",
    "str_advanced_exe",
    "str_advanced_file",
    "str_advanced_dir",
    "str_ledspe",
    "str_led_apmbre",
    "str_led_off",
    "str_led_norbre",
    "str_led_frequency",
    "str_led_brealways",
    "str_led_brightness",
    "str_led_body_on",
    "str_led_body_off",
    "str_led_custom",
    "str_new_macro",
    "str_del_macro",
    "str_macro_new",
    "str_macro_del",
    "str_macro_modify",
    "str_macro_start",
    "str_macro_end",
    "str_macro_delay",
    "str_macro_loop",
    "str_click",
    "str_middle",
    "str_menu",
    "str_macro_msg6",
    "str_macro_msg7",
    "str_cups",
    "str_resetSts",
    "str_update",
    "str_importFile",
    "str_exportFile",
    "str_tolviWeb",
    "str_defaultname",
    "str_msg2",
    "str_msg4",
    "str_msg5",
    "str_dpi_setting",
    "str_sensor",
    "str_usbrate",
    "str_windows_scroll",
    "str_mouse_key",
    "str_panel",
    "str_cur_function",
    "str_key_com",
    "str_macro_set",
    "str_basic",
    "str_advance",
    "str_disable",
    "str_default_setting",
    "str_browse",
    "str_backlight",
    "str_breath_speed",
    "str_proximity_sensing",
    "str_color_setting",
    "str_cur_color",
    "str_choose_color",
    "str_preset_color",
    "str_custom_color",
    "str_macro_choose",
    "str_marco_list",
    "str_key_list",
    "str_driver_version",
    "str_firmware_version",
};

TEST(UiStringKeys, AreThePublishedListInOrder)
{
    ASSERT_EQ(kPublishedKeys.size(), 107u);
    ASSERT_EQ(UiStrings::kCount, kPublishedKeys.size());
    for (size_t i = 0; i < kPublishedKeys.size(); ++i) {
        EXPECT_EQ(UiStrings::kKeys[i], kPublishedKeys[i]) << "key " << i;
        EXPECT_EQ(UiStrings::IndexOf(kPublishedKeys[i]), i);
    }
}

} // namespace
} // namespace qx71
