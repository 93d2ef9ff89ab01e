#include "core/hooks/PointerSupport.h"

namespace qx71 {

bool PointerSupport::Has(PointerSetting setting) const
{
    switch (setting) {
    case PointerSetting::Speed:
        return speed;
    case PointerSetting::Precision:
        return precision;
    case PointerSetting::WheelLines:
        return wheelLines;
    }
    return false;
}

std::optional<PageLabel> PointerSettingNote(PointerSupport support, PointerSetting setting)
{
    if (support.Has(setting)) {
        return std::nullopt;
    }
    return support.Any() ? PageLabel::NoteSettingNotUsed : PageLabel::NoteDesktopKeepsSettings;
}

PointerPageNotes PointerNotes(PointerSupport support)
{
    std::optional<PageLabel> pointer = PointerSettingNote(support, PointerSetting::Speed);
    if (!pointer) {
        pointer = PointerSettingNote(support, PointerSetting::Precision);
    }
    return {pointer, PointerSettingNote(support, PointerSetting::WheelLines)};
}

std::string PointerSupportList(PointerSupport support)
{
    std::string list;
    auto add = [&list](bool kept, const char* name) {
        if (kept) {
            list += list.empty() ? "" : ", ";
            list += name;
        }
    };
    add(support.speed, "speed");
    add(support.precision, "precision");
    add(support.wheelLines, "wheel lines");
    return list.empty() ? "none" : list;
}

} // namespace qx71
