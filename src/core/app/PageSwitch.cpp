#include "core/app/PageSwitch.h"

namespace qx71 {

PageSwitchPlan PlanPageSwitch(MainPage page)
{
    PageSwitchPlan plan;
    plan.page = page;
    plan.leaveMacroPage = page != MainPage::Macros;
    const bool editsProfile = page == MainPage::Buttons || page == MainPage::Lighting;
    plan.profileControlsEnabled = editsProfile;
    plan.refreshPage = editsProfile;
    return plan;
}

MainPage PageOfTab(int tab)
{
    if (tab < static_cast<int>(MainPage::Buttons) || tab > static_cast<int>(MainPage::Support)) {
        return MainPage::Buttons;
    }
    return static_cast<MainPage>(tab);
}

} // namespace qx71
