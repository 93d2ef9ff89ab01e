#pragma once

#include "core/buttons/BasicFunctionPage.h"
#include "core/buttons/ButtonIndex.h"
#include "core/buttons/ChooserResult.h"
#include "core/buttons/HostActionPage.h"
#include "core/buttons/KeyComboCapture.h"
#include "core/buttons/MacroChooserPage.h"

#include <string>

namespace qx71 {

class IKeyCapture;

// The chooser's pages, as its tabs number them; None while the disable box hides them all.
enum class ChooserPage : int { None = 0, Key = 1, Macro = 2, Basic = 3, Advanced = 4 };

enum class ChooserEnd { Ok, Cancel };

// The function chooser (the popup a tab of the assignment page opens) without its window: the
// tabs, the disable box, the four pages and the way each exit fills the result. While the key
// page is the visible page the keyboard hook's key events are routed to it; every other state
// and every way out routes them back.
class ChooserModel {
public:
    // `capture` may be null (nothing routes keys, as on the command line).
    ChooserModel(ButtonIndex button, std::u16string currentName, MacroLister macros,
                 IKeyCapture* capture);
    ~ChooserModel();
    ChooserModel(const ChooserModel&) = delete;
    ChooserModel& operator=(const ChooserModel&) = delete;

    // After the window's controls exist: fills the pages and selects the key page.
    void Open();

    // Tab n: with the disable box checked every tab stays unchecked and every page hidden.
    void SelectTab(ChooserPage page);
    // Flips the disable box, then selects the key page by the rule above.
    void ClickDisable();

    // The exits. OK fills the result from the disable box or the visible page and ends with OK
    // only when something was chosen; the default button chooses the input's default function.
    ChooserEnd PressOk();
    ChooserEnd PressDefault();
    ChooserEnd PressClose();
    // Any other way of closing (a window manager's close).
    ChooserEnd CloseOther();

    ChooserPage VisiblePage() const { return visible_; }
    bool TabChecked(ChooserPage page) const
    {
        return page != ChooserPage::None && visible_ == page;
    }
    bool DisableChecked() const { return disable_; }
    ButtonIndex Button() const { return button_; }
    const std::u16string& CurrentName() const { return currentName_; }
    const ChooserResult& Result() const { return result_; }

    KeyComboCapture& KeyPage() { return key_; }
    MacroChooserPage& MacroPage() { return macro_; }
    BasicFunctionPage& BasicPage() { return basic_; }
    HostActionPage& AdvancedPage() { return advanced_; }
    const KeyComboCapture& KeyPage() const { return key_; }
    const MacroChooserPage& MacroPage() const { return macro_; }
    const BasicFunctionPage& BasicPage() const { return basic_; }
    const HostActionPage& AdvancedPage() const { return advanced_; }

private:
    void RouteKeys(bool toKeyPage);
    ChooserEnd End(bool ok);

    ButtonIndex button_;
    std::u16string currentName_;
    IKeyCapture* capture_;
    ChooserResult result_;
    ChooserPage visible_ = ChooserPage::None;
    bool disable_ = false;
    KeyComboCapture key_;
    MacroChooserPage macro_;
    BasicFunctionPage basic_;
    HostActionPage advanced_;
};

} // namespace qx71
