#include "core/app/StartVisibility.h"

namespace qx71 {

StartVisibility PlanStartVisibility(bool startHidden, bool trayAvailable)
{
    if (!startHidden) {
        return StartVisibility::Shown;
    }
    return trayAvailable ? StartVisibility::InTray : StartVisibility::Minimised;
}

} // namespace qx71
