// The page of each tab. A page's class replaces its placeholder line here.
#include "core/i18n/LanguageSelection.h"
#include "gui/app/CMainPage.h"
#include "gui/app/CPagePlaceholder.h"
#include "gui/buttons/CDlgMainSet.h"
#include "gui/lighting/CDlgLEDSet.h"
#include "gui/macro/CDlgMacro.h"
#include "gui/stats/CDlgSts.h"
#include "gui/update/CDlgSupport.h"

namespace qx71::gui {

CMainPage* MakeMainPage(MainPage page, PageContext& context, QWidget* parent)
{
    switch (page) {
    case MainPage::Lighting:
        return new CDlgLEDSet(context, parent);
    case MainPage::Macros:
        return new CDlgMacro(context, parent);
    case MainPage::Statistics:
        return new CDlgSts(context, context.language.InstallChinese() != 0, parent);
    case MainPage::Buttons:
        return new CDlgMainSet(context, parent);
    case MainPage::Support:
        return new CDlgSupport(context, parent);
    }
    return new CPagePlaceholder(page, context, parent);
}

} // namespace qx71::gui
