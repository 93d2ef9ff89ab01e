#pragma once

namespace qx71 {

// The keys the main window treats specially; the view names the key it got.
enum class FilterKey {
    Enter,
    Escape,
    Space,
    F4,
    Other,
};

enum class KeyDecision {
    Pass,    // the key goes on to its control
    Swallow, // nothing happens
    Hide,    // Alt+F4: the window hides as the hide button does, instead of closing
};

// The main window's keyboard filter, before the key reaches any control: Enter, Escape and
// Space (down and up) are swallowed so no dialog default fires; Alt+F4 hides. A text field
// with the focus (a macro's name being edited, a value box) keeps them: a name may hold a
// space, Enter ends an edit and Escape cancels it.
KeyDecision FilterMainWindowKey(FilterKey key, bool keyDown, bool altHeld, bool inTextField);

// The request to hide the window when no notification area exists: the window could not be
// brought back, so it is minimised instead, and the user is told once.
struct HidePlan {
    bool minimiseInstead = false;
    bool tellUser = false;
};
HidePlan PlanHide(bool trayAvailable, bool userAlreadyTold);

} // namespace qx71
