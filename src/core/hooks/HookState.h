#pragma once

#include "core/hooks/InputEvent.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace qx71 {

class IInputHooks;

// A window as the hooks know it: an opaque number, 0 for none.
using WindowHandle = uintptr_t;
inline constexpr WindowHandle kNoWindow = 0;

// Messages the hooks post.
inline constexpr uint32_t kMsgHookKey = 0x40A;   // wParam virtual-key code, lParam key flags
inline constexpr uint32_t kMsgHookMouse = 0x7EB; // wParam trigger code (or 1 for a key press)
inline constexpr uint32_t kHookKeyPressParam = 1;

// The mouse events by which a button is recognised on the PC.
namespace TriggerCode {
inline constexpr uint32_t kLeft = 0x201;
inline constexpr uint32_t kRight = 0x204;
inline constexpr uint32_t kMiddle = 0x207;
inline constexpr uint32_t kBack = 0x1020B;    // first side button
inline constexpr uint32_t kForward = 0x2020B; // second side button
inline constexpr uint32_t kWheelForward = 0x20A01;
inline constexpr uint32_t kWheelBackward = 0x20A00;
} // namespace TriggerCode

struct HookPost {
    WindowHandle window = kNoWindow;
    uint32_t message = 0;
    uint32_t wParam = 0;
    uint32_t lParam = 0;
    friend bool operator==(const HookPost&, const HookPost&) = default;
};

// Delivers the hooks' messages to their windows, later, in order.
class IHookPoster {
public:
    virtual ~IHookPoster() = default;
    virtual void Post(const HookPost& post) = 0;
};

// The state of the global input hooks and their two procedures. The procedures decide, for
// every button, wheel and key event of the desktop, what to report and whether the event is
// kept from every other program.
//
// The trigger table is written by the write pass on its own thread while the procedures read
// it on the window's thread: its entries are atomic words. Every change of the table is
// handed to the input backend, which keeps those buttons away from other programs, in the
// order of the changes.
class HookState : public IInputEventSink {
public:
    static constexpr size_t kTriggerSlots = 12;

    explicit HookState(IHookPoster& poster, IInputHooks* backend = nullptr);

    // Targets `window` (also the window recording returns to) and starts observing.
    bool Install(WindowHandle window);
    void Remove();
    bool Installed() const { return installed_; }
    void SetTarget(WindowHandle window);
    // Key recording on or off; with both off the target returns to the main window.
    void SetRecording(bool keys, bool mouse);
    void SetForwarding(bool keys, bool mouse);

    void AddTrigger(uint32_t code);
    void RemoveTrigger(uint32_t code);
    bool IsTrigger(uint32_t code) const;
    std::vector<uint32_t> Triggers() const;

    // The mouse hook procedure: true when the event must not reach other programs.
    bool OnMouse(const MouseInput& input);
    // The keyboard hook procedure: key events are only observed, never held back.
    void OnKey(const KeyInput& input);

    // IInputEventSink: the backend's events run the procedures.
    void OnMouseInput(const MouseInput& input) override { OnMouse(input); }
    void OnKeyInput(const KeyInput& input) override { OnKey(input); }

    WindowHandle Target() const { return target_; }
    WindowHandle MainWindow() const { return mainWindow_; }
    bool KeyRecording() const { return keyRecording_; }
    bool KeyboardForwarding() const { return keyboardForwarding_; }
    bool MouseForwarding() const { return mouseForwarding_; }

private:
    void Report(uint32_t message, uint32_t wParam, uint32_t lParam);
    // The trigger press path shared by buttons, wheel and side buttons.
    bool Press(uint32_t code, uint32_t release);
    void PublishTriggersLocked();

    IHookPoster& poster_;
    IInputHooks* backend_;
    std::array<std::atomic<uint32_t>, kTriggerSlots> triggers_{};
    std::mutex triggerWriters_;
    std::atomic<bool> keyRecording_{true};
    std::atomic<bool> keyboardForwarding_{true};
    std::atomic<bool> mouseForwarding_{true};
    WindowHandle target_ = kNoWindow;
    WindowHandle mainWindow_ = kNoWindow;
    uint32_t swallowedRelease_ = 0;
    bool installed_ = false;
};

// The trigger code of a mouse event; 0 for events that have none (releases, moves).
uint32_t TriggerCodeOf(const MouseInput& input);

} // namespace qx71
