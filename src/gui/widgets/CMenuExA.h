#pragma once

#include "gui/widgets/CMenuEx.h"

namespace qx71::gui {

// The language menu's dark look; other menus of the window take it too.
CWndPopup::Look LanguageMenuLook();

// The language menu: the twelve languages with their flags, 116 x 273 pixels; a choice
// reports the language number 1..12.
class CMenuExA final : public CMenuEx {
    Q_OBJECT

public:
    explicit CMenuExA(QWidget* owner);

protected:
    std::vector<CWndPopup::Item> AddItems() override;
};

} // namespace qx71::gui
