#include "core/i18n/UiStrings.h"

#include "core/common/Utf.h"

namespace qx71 {

const std::array<std::string_view, UiStrings::kCount> UiStrings::kKeys = {
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

size_t UiStrings::IndexOf(std::string_view key)
{
    for (size_t i = 0; i < kCount; ++i) {
        if (kKeys[i] == key) {
            return i;
        }
    }
    return kCount;
}

const std::u16string& UiStrings::Get(std::string_view key) const
{
    static const std::u16string kEmpty;
    const size_t i = IndexOf(key);
    return i < kCount ? texts_[i] : kEmpty;
}

bool UiStrings::Set(std::string_view key, std::u16string text)
{
    const size_t i = IndexOf(key);
    if (i == kCount) {
        return false;
    }
    texts_[i] = std::move(text);
    return true;
}

std::u16string FormatWithPath(std::u16string_view format, const std::filesystem::path& path)
{
    std::u16string out(format);
    const auto at = out.find(u"%s");
    if (at != std::u16string::npos) {
        out.replace(at, 2, Utf8ToUtf16(path.string()));
    }
    return out;
}

std::u16string NamingFile(std::u16string_view text, const std::filesystem::path& path)
{
    if (text.find(u"%s") != std::u16string_view::npos) {
        return FormatWithPath(text, path);
    }
    std::u16string out(text);
    out += u'\n';
    out += Utf8ToUtf16(path.string());
    return out;
}

} // namespace qx71
