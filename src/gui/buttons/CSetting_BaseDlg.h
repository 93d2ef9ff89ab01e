#pragma once

#include "core/buttons/BasicFunctionPage.h"
#include "gui/buttons/CSettingPage.h"

namespace qx71 {
class UiStrings;
}

namespace qx71::gui {

class CListBoxEx;

// The chooser's basic page: the list of the 24 basic functions, in the interface's texts.
class CSetting_BaseDlg : public CSettingPage {
    Q_OBJECT

public:
    CSetting_BaseDlg(BasicFunctionPage& page, const UiStrings& strings, QWidget* parent);

    CListBoxEx* List() const { return list_; }

private:
    BasicFunctionPage& page_;
    CListBoxEx* list_ = nullptr;
};

} // namespace qx71::gui
