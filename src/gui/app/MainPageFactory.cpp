// The page of each tab. A page's class replaces its placeholder line here.
#include "gui/app/CMainPage.h"
#include "gui/app/CPagePlaceholder.h"

namespace qx71::gui {

CMainPage* MakeMainPage(MainPage page, PageContext& context, QWidget* parent)
{
    switch (page) {
    case MainPage::Buttons:    // CDlgMainSet
    case MainPage::Lighting:   // CDlgLEDSet
    case MainPage::Macros:     // CDlgMacro
    case MainPage::Statistics: // CDlgSts
    case MainPage::Support:    // CDlgSupport
        break;
    }
    return new CPagePlaceholder(page, context, parent);
}

} // namespace qx71::gui
