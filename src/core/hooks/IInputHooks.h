#pragma once

#include "core/hooks/InputEvent.h"

#include <cstdint>
#include <vector>

namespace qx71 {

// The system side of the global input hooks: observes every button, wheel and key event of
// the desktop and keeps the buttons of the trigger codes away from every other program.
//
// The decision what to report lives with the hook state in core; this only observes and
// swallows. Events reach the sink by posting onto the owner's thread (the thread that called
// Install), in the order they happened.
class IInputHooks {
public:
    virtual ~IInputHooks() = default;

    // Starts observing mouse and keyboard for `sink`, replacing an earlier installation. True
    // when both are observed; a part that could not be installed stays silent.
    virtual bool Install(IInputEventSink& sink) = 0;
    // Stops observing and lets every swallowed button through again. No event reaches the
    // sink after this returns, even one that was already posted. Call it on the owner's
    // thread.
    virtual void Uninstall() = 0;
    // The trigger codes whose events (press and release, or the wheel step) reach no other
    // program while installed. Replaces the previous list; callable from any thread; kept
    // across Uninstall and Install. False when a code is not a mouse trigger or the system
    // refused to hold it back; the other codes still take effect.
    virtual bool SetSwallowedTriggers(const std::vector<uint32_t>& codes) = 0;
};

} // namespace qx71
