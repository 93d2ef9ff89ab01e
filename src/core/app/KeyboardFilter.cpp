#include "core/app/KeyboardFilter.h"

namespace qx71 {

KeyDecision FilterMainWindowKey(FilterKey key, bool keyDown, HeldModifiers held, bool inTextField)
{
    switch (key) {
    case FilterKey::Enter:
    case FilterKey::Escape:
    case FilterKey::Space:
        return inTextField ? KeyDecision::Pass : KeyDecision::Swallow;
    case FilterKey::F4:
        return keyDown && held.alt ? KeyDecision::Hide : KeyDecision::Pass;
    case FilterKey::Q:
        if (!held.ctrl) {
            return KeyDecision::Pass;
        }
        // The release of the keys that ended the program reaches nothing.
        return keyDown ? KeyDecision::Exit : KeyDecision::Swallow;
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
