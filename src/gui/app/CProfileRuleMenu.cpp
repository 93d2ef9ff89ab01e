#include "gui/app/CProfileRuleMenu.h"

#include "gui/widgets/CMenuExA.h"
#include "gui/widgets/QtConvert.h"

namespace qx71::gui {

namespace {

CWndPopup::Look RuleMenuLook()
{
    CWndPopup::Look look = LanguageMenuLook();
    look.width = 0; // as wide as its longest line
    return look;
}

} // namespace

CProfileRuleMenu::CProfileRuleMenu(QWidget* owner) : CMenuEx(owner, RuleMenuLook()) {}

std::vector<CWndPopup::Item> CProfileRuleMenu::AddItems()
{
    std::vector<CWndPopup::Item> items;
    for (size_t i = 0; i < lines_.size(); ++i) {
        CWndPopup::Item item;
        item.text = ToQString(lines_[i].text);
        item.value = static_cast<uint32_t>(i);
        item.enabled = lines_[i].enabled;
        item.checked = lines_[i].checked;
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace qx71::gui
