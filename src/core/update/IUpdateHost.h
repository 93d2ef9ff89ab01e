#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace qx71 {

// Who owns a box of the update check. The support page's own boxes (the local offer, the
// timer's message) are modal to the user like every box of the page; the boxes that come from
// the update thread are owned by no window and never block the window.
enum class BoxOwner {
    Page,
    None,
};

// What the update check needs from the window side. Every call comes on the window's thread
// and none may block it.
class IUpdateHost {
public:
    virtual ~IUpdateHost() = default;
    // The support page's check timer: FirmwareUpdate::OnCheckTimer once after `ms`, unless
    // killed first. Starting it again restarts it.
    virtual void StartCheckTimer(uint32_t ms) = 0;
    virtual void KillCheckTimer() = 0;
    // The timed message box with OK only, without count-down.
    virtual void ShowBox(const std::u16string& text, BoxOwner owner) = 0;
    // The timed message box with OK and Cancel. `answered(true)` on OK, `answered(false)` on
    // Cancel or close, later, on the window's thread.
    virtual void Ask(const std::u16string& text, BoxOwner owner,
                     std::function<void(bool ok)> answered) = 0;
    // Closes the main window, which ends the program.
    virtual void CloseProgram() = 0;
};

} // namespace qx71
