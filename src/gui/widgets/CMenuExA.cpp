#include "gui/widgets/CMenuExA.h"

#include "core/widgets/KitColours.h"
#include "core/widgets/PopupMenuLayout.h"
#include "core/widgets/SkinResources.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

namespace qx71::gui {
namespace {

// The menu's names, in menu order (language numbers 1..12).
constexpr const char* kLanguageNames[skins::kLanguageCount] = {
    "Chinese", "English", "French",     "Korean",  "German",    "Italian",
    "Spanish", "Dutch",   "Portuguese", "Russian", "Ukrainian", "Trad.Chinese"};

} // namespace

CWndPopup::Look LanguageMenuLook()
{
    CWndPopup::Look look;
    look.background = LoadResourceImage(skins::kLanguageMenuBackground);
    look.corner = popupmenu::kBackgroundCorner;
    look.itemHeight = popupmenu::kItemHeight;
    look.width = popupmenu::kLanguageMenuWidth;
    look.textHeight = popupmenu::kLanguageMenuTextHeight;
    look.text = ToQColor(kitcolours::kTextNormal);
    look.highlightText = ToQColor(kitcolours::kSlateText);
    look.frame = ToQColor(kitcolours::kPopupHighlightFrame);
    look.disabledText = ToQColor(kitcolours::kGreyText);
    return look;
}

CMenuExA::CMenuExA(QWidget* owner) : CMenuEx(owner, LanguageMenuLook()) {}

std::vector<CWndPopup::Item> CMenuExA::AddItems()
{
    std::vector<CWndPopup::Item> items;
    for (int id = 1; id <= skins::kLanguageCount; ++id) {
        items.push_back({QString::fromLatin1(kLanguageNames[id - 1]),
                         static_cast<uint32_t>(id),
                         LoadResourceImage(skins::FlagIconOf(id)),
                         {}});
    }
    return items;
}

} // namespace qx71::gui
