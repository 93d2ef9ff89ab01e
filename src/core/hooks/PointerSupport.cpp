#include "core/hooks/PointerSupport.h"

namespace qx71 {

namespace {

constexpr BilingualText kNotUsedHere{u"此桌面不使用此设置。",
                                     u"This desktop does not use this setting."};
constexpr BilingualText kDesktopKeepsThem{u"此桌面自行保存这些设置。",
                                          u"This desktop keeps these settings itself."};

} // namespace

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

std::u16string_view PointerSettingNote(PointerSupport support, PointerSetting setting, bool chinese)
{
    if (support.Has(setting)) {
        return {};
    }
    return (support.Any() ? kNotUsedHere : kDesktopKeepsThem).In(chinese);
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
