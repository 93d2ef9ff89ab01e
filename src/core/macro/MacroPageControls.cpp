#include "core/macro/MacroPageControls.h"

namespace qx71 {

namespace {

struct ControlInfo {
    MacroControl control;
    uint32_t hint; // 0: none
    std::string_view tooltip;
};

constexpr uint32_t kRecordingHint = 46;

constexpr ControlInfo kControls[] = {
    {MacroControl::NewMacro, 40, "str_new_macro"},
    {MacroControl::DeleteMacro, 41, "str_del_macro"},
    {MacroControl::Insert, 42, "str_macro_new"},
    {MacroControl::DeleteEvent, 43, "str_macro_del"},
    {MacroControl::Modify, 44, "str_macro_modify"},
    {MacroControl::Record, 45, ""},
    {MacroControl::NoDelay, 47, "str_macro_delay"},
    {MacroControl::LoopCount, 48, ""},
    {MacroControl::LeftButton, 49, "str_click"},
    {MacroControl::MiddleButton, 50, "str_middle"},
    {MacroControl::RightButton, 51, "str_menu"},
    {MacroControl::KeyOption, 52, "str_macro_msg6"},
    {MacroControl::KeyField, 52, ""},
    {MacroControl::DelayOption, 53, "str_macro_msg7"},
    {MacroControl::DelayField, 53, ""},
    {MacroControl::CategoryLabel, 86, ""},
    {MacroControl::MacroList, 87, ""},
    {MacroControl::EventListLabel, 88, ""},
    {MacroControl::EventList, 88, ""},
    {MacroControl::GameButton, 0, ""},
    {MacroControl::KeyConfirm, 0, "str_macro_msg6"},
    {MacroControl::DelayConfirm, 0, "str_macro_msg7"},
    {MacroControl::None, 0, ""},
};
static_assert(std::size(kControls) == static_cast<size_t>(MacroControl::None) + 1);

const ControlInfo& Info(MacroControl control)
{
    return kControls[static_cast<size_t>(control)];
}

} // namespace

std::optional<uint32_t> MacroControlHint(MacroControl control, bool recording)
{
    if (control == MacroControl::Record && recording) {
        return kRecordingHint;
    }
    const uint32_t hint = Info(control).hint;
    if (hint == 0) {
        return std::nullopt;
    }
    return hint;
}

std::string_view MacroControlTooltip(MacroControl control)
{
    return Info(control).tooltip;
}

std::vector<uint32_t> MacroHintsAt(std::span<const ControlRect> rects, int x, int y, bool recording)
{
    std::vector<uint32_t> hints;
    for (size_t i = 0; i < kMacroHintControls && i < rects.size(); ++i) {
        const ControlRect& r = rects[i];
        if (x >= r.left - 1 && x < r.right + 1 && y >= r.top - 1 && y < r.bottom + 1) {
            if (auto hint = MacroControlHint(static_cast<MacroControl>(i), recording)) {
                hints.push_back(*hint);
            }
        }
    }
    return hints;
}

} // namespace qx71
