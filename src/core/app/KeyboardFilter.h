#pragma once

namespace qx71 {

// The keys the main window treats specially; the view names the key it got.
enum class FilterKey {
    Enter,
    Escape,
    Space,
    F4,
    Q,
    Other,
};

enum class KeyDecision {
    Pass,    // the key goes on to its control
    Swallow, // nothing happens
    Hide,    // Alt+F4: the window hides as the hide button does, instead of closing
    Exit,    // Ctrl+Q: the program ends as the tray's "Exit" ends it
};

// The modifier keys held with a key.
struct HeldModifiers {
    bool alt = false;
    bool ctrl = false;
};

// The main window's keyboard filter, before the key reaches any control: Enter, Escape and
// Space (down and up) are swallowed so no dialog default fires; Alt+F4 hides. A text field
// with the focus (a macro's name being edited, a value box) keeps them: a name may hold a
// space, Enter ends an edit and Escape cancels it. Ctrl+Q ends the program wherever the focus
// is, so there is always a way to quit from the keyboard.
KeyDecision FilterMainWindowKey(FilterKey key, bool keyDown, HeldModifiers held, bool inTextField);

// The request to hide the window (the hide button, the window manager's close, Alt+F4). Without
// a notification area nothing could bring a hidden window back, so the program ends as "Exit"
// ends it, and the user is told once.
struct HidePlan {
    bool exitInstead = false;
    bool tellUser = false;
};
HidePlan PlanHide(bool trayAvailable, bool userAlreadyTold);

} // namespace qx71
