#include "core/app/KeyboardFilter.h"

namespace qx71 {

KeyDecision FilterMainWindowKey(FilterKey key, bool keyDown, bool altHeld, bool inTextField)
{
    switch (key) {
    case FilterKey::Enter:
    case FilterKey::Escape:
    case FilterKey::Space:
        return inTextField ? KeyDecision::Pass : KeyDecision::Swallow;
    case FilterKey::F4:
        return keyDown && altHeld ? KeyDecision::Hide : KeyDecision::Pass;
    case FilterKey::Other:
        break;
    }
    return KeyDecision::Pass;
}

HidePlan PlanHide(bool trayAvailable, bool userAlreadyTold)
{
    if (trayAvailable) {
        return {};
    }
    return {true, !userAlreadyTold};
}

} // namespace qx71
