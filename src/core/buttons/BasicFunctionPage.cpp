#include "core/buttons/BasicFunctionPage.h"

namespace qx71 {

const std::array<BasicListLine, kBasicListLines> kBasicFunctionList = {{
    {"str_close", ButtonFunction::CloseWindow},
    {"str_lock", ButtonFunction::LockPc},
    {"str_run", ButtonFunction::Run},
    {"str_show", ButtonFunction::ShowDesktop},
    {"str_win8_classic", ButtonFunction::ClassicDesktop},
    {"str_win8_switch", ButtonFunction::SwitchApplications},
    {"str_win8_winp", ButtonFunction::ZoomIn},
    {"str_win8_winm", ButtonFunction::ZoomOut},
    {"str_find", ButtonFunction::Search},
    {"str_mouseleft", ButtonFunction::Click},
    {"str_mouseright", ButtonFunction::Menu},
    {"str_mousemiddle", ButtonFunction::Middle},
    {"str_pre", ButtonFunction::Forward},
    {"str_back", ButtonFunction::Back},
    {"str_player", ButtonFunction::Music},
    {"str_PL", ButtonFunction::PlayPause},
    {"str_stop", ButtonFunction::Stop},
    {"str_pre_media", ButtonFunction::Previous},
    {"str_next_media", ButtonFunction::Next},
    {"str_vol_dw", ButtonFunction::VolumeDown},
    {"str_vol_up", ButtonFunction::VolumeUp},
    {"str_mute", ButtonFunction::Mute},
    {"str_snipe", ButtonFunction::Snipe},
    {"str_fire", ButtonFunction::Fire},
}};

void BasicFunctionPage::Select(size_t line)
{
    if (line < kBasicListLines) {
        selected_ = line;
    }
}

int32_t BasicFunctionPage::ResultCode() const
{
    return selected_ ? ToCode(kBasicFunctionList[*selected_].function) : 0;
}

std::optional<size_t> BasicListLineOf(int32_t code)
{
    for (size_t line = 0; line < kBasicListLines; ++line) {
        if (ToCode(kBasicFunctionList[line].function) == code) {
            return line;
        }
    }
    return std::nullopt;
}

} // namespace qx71
