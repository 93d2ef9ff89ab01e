#pragma once

#include "core/buttons/MacroChooserPage.h"
#include "gui/buttons/CSettingPage.h"

namespace qx71::gui {

class CListBoxEx;

// The chooser's macro page: the game titles and the macros filed under the chosen one.
class CSetting_MacroDlg : public CSettingPage {
    Q_OBJECT

public:
    CSetting_MacroDlg(MacroChooserPage& page, bool chinese, QWidget* parent);

    // Fills both lists from the page's state (after its start).
    void Fill();

    CListBoxEx* GameList() const { return games_; }
    CListBoxEx* MacroList() const { return macros_; }

private:
    void FillMacros();

    MacroChooserPage& page_;
    bool chinese_;
    CListBoxEx* games_ = nullptr;
    CListBoxEx* macros_ = nullptr;
};

} // namespace qx71::gui
