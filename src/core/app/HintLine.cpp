#include "core/app/HintLine.h"

#include "core/app/MainWindowGeometry.h"

#include <array>
#include <utility>

namespace qx71 {

namespace {

// The pointer counts as over a control within this many pixels outside its rectangle.
constexpr int kHintMargin = 1;

constexpr std::pair<int, std::string_view> kHintKeys[] = {
    {1, "str_main"},
    {2, "str_led_title"},
    {3, "str_macro_manager"},
    {4, "str_sts"},
    {5, "str_about"},
    {6, "str_profile1"},
    {7, "str_profile2"},
    {8, "str_profile3"},
    {9, "str_profile4"},
    {10, "str_profile5"},
    {11, "str_ok"},
    {12, "str_dpiwant"},
    {13, "str_mouseSpeed"},
    {14, "str_improveAccuracy"},
    {15, "str_sheight"},
    {16, "str_rollingrate"},
    {17, "str_rollerColumn"},
    {18, "str_rollerScreen"},
    {26, "str_ledspe"},
    {27, "str_led_apmbre"},
    {28, "str_led_off"},
    {29, "str_led_norbre"},
    {31, "str_led_brealways"},
    {32, "str_led_brightness"},
    {39, "str_led_custom"},
    {40, "str_new_macro"},
    {41, "str_del_macro"},
    {42, "str_macro_new"},
    {43, "str_macro_del"},
    {44, "str_macro_modify"},
    {45, "str_macro_start"},
    {47, "str_macro_delay"},
    {48, "str_macro_loop"},
    {49, "str_click"},
    {50, "str_middle"},
    {51, "str_menu"},
    {52, "str_macro_msg6"},
    {53, "str_macro_msg7"},
    {54, "str_cups"},
    {55, "str_resetSts"},
    {56, "str_update"},
    {57, "str_tolviWeb"},
    {58, "str_importFile"},
    {59, "str_exportFile"},
    {60, "str_defaultname"},
    {61, "str_dpi_setting"},
    {62, "str_sensor"},
    {63, "str_usbrate"},
    {64, "str_windows_scroll"},
    {65, "str_mouse_key"},
    {75, "str_backlight"},
    {76, "str_breath_speed"},
    {81, "str_color_setting"},
    {82, "str_cur_color"},
    {83, "str_choose_color"},
    {84, "str_preset_color"},
    {85, "str_custom_color"},
    {86, "str_macro_choose"},
    {87, "str_marco_list"},
    {88, "str_key_list"},
    {89, "str_driver_version"},
    {90, "str_firmware_version"},
};

} // namespace

std::string_view HintKey(int code)
{
    for (const auto& [c, key] : kHintKeys) {
        if (c == code) {
            return key;
        }
    }
    return {};
}

std::vector<int> HintCodesAt(Point point)
{
    std::vector<int> codes;
    auto test = [&](const Quad& corners, int code) {
        if (BoundingRect(corners).Grown(kHintMargin).Contains(point)) {
            codes.push_back(code);
        }
    };
    for (size_t i = 0; i < mainwindow::kTabs.size(); ++i) {
        test(mainwindow::kTabs[i], kHintFirstTab + static_cast<int>(i));
    }
    for (size_t i = 0; i < mainwindow::kProfileButtons.size(); ++i) {
        test(mainwindow::kProfileButtons[i], kHintFirstProfile + static_cast<int>(i));
    }
    test(mainwindow::kApplyButton, kHintApply);
    return codes;
}

void HintLine::Show(int code)
{
    code_ = code;
}

std::vector<int> HintLine::OnMouseMove(Point point, bool& repaint)
{
    repaint = !Empty();
    code_ = kHintNone;
    return HintCodesAt(point);
}

} // namespace qx71
