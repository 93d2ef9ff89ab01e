#include "core/hooks/HookState.h"

#include "core/hooks/IInputHooks.h"

namespace qx71 {

namespace {

// A key event counts as a press for the statistics when its flags are at most this: the
// release bit clear, and not both Alt-held and injected.
constexpr uint32_t kPressFlagsLimit = 0x21;
constexpr uint32_t kWheelCodeShift = 8;
constexpr uint32_t kSideButtonMask = 0xFFFF0000;

} // namespace

uint32_t TriggerCodeOf(const MouseInput& input)
{
    switch (input.message) {
    case MouseMessage::kLeftDown:
    case MouseMessage::kRightDown:
    case MouseMessage::kMiddleDown:
        return input.message;
    case MouseMessage::kWheel:
        // Forward when the signed mouse data is not negative.
        return (MouseMessage::kWheel << kWheelCodeShift) +
               (static_cast<int32_t>(input.mouseData) >= 0 ? 1u : 0u);
    case MouseMessage::kSideDown:
        return MouseMessage::kSideDown + (input.mouseData & kSideButtonMask);
    default:
        return 0;
    }
}

HookState::HookState(IHookPoster& poster, IInputHooks* backend) : poster_(poster), backend_(backend)
{
}

bool HookState::Install(WindowHandle window)
{
    target_ = window;
    mainWindow_ = window;
    installed_ = backend_ == nullptr || backend_->Install(*this);
    return installed_;
}

void HookState::Remove()
{
    if (backend_ != nullptr) {
        backend_->Uninstall();
    }
    installed_ = false;
}

void HookState::SetTarget(WindowHandle window)
{
    target_ = window;
}

void HookState::SetRecording(bool keys, bool mouse)
{
    keyRecording_ = keys;
    if (!keys && !mouse) {
        target_ = mainWindow_;
    }
}

void HookState::SetForwarding(bool keys, bool mouse)
{
    keyboardForwarding_ = keys;
    mouseForwarding_ = mouse;
}

void HookState::AddTrigger(uint32_t code)
{
    {
        std::lock_guard lock(triggerWriters_);
        if (IsTrigger(code)) {
            return;
        }
        for (auto& entry : triggers_) {
            if (entry == 0) {
                entry = code;
                break;
            }
        }
        PublishTriggersLocked();
    }
}

void HookState::RemoveTrigger(uint32_t code)
{
    {
        std::lock_guard lock(triggerWriters_);
        for (auto& entry : triggers_) {
            if (entry == code) {
                entry = 0;
            }
        }
        PublishTriggersLocked();
    }
}

bool HookState::IsTrigger(uint32_t code) const
{
    if (code == 0) {
        return false;
    }
    for (const auto& entry : triggers_) {
        if (entry == code) {
            return true;
        }
    }
    return false;
}

std::vector<uint32_t> HookState::Triggers() const
{
    std::vector<uint32_t> codes;
    for (const auto& entry : triggers_) {
        const uint32_t code = entry;
        if (code != 0) {
            codes.push_back(code);
        }
    }
    return codes;
}

// Under the writers' lock: two writers (start-up registration, the write pass) hand their
// sets to the backend in the order of their changes, so the set in force is always the
// table's.
void HookState::PublishTriggersLocked()
{
    if (backend_ != nullptr) {
        backend_->SetSwallowedTriggers(Triggers());
    }
}

void HookState::Report(uint32_t message, uint32_t wParam, uint32_t lParam)
{
    // Only the recorded keys follow the capturing window. Mouse events and forwarded key
    // presses stay the main window's: it counts them and runs the buttons' host actions, which
    // must go on while a page records.
    const WindowHandle window = message == kMsgHookKey ? target_ : mainWindow_;
    poster_.Post({window, message, wParam, lParam});
}

bool HookState::Press(uint32_t code, uint32_t release)
{
    if (IsTrigger(code)) {
        Report(kMsgHookMouse, code, 0);
        swallowedRelease_ = release;
        return true;
    }
    if (mouseForwarding_) {
        Report(kMsgHookMouse, code, 0);
    }
    return false;
}

bool HookState::OnMouse(const MouseInput& input)
{
    const uint32_t code = TriggerCodeOf(input);
    switch (input.message) {
    case MouseMessage::kLeftDown:
    case MouseMessage::kRightDown:
    case MouseMessage::kMiddleDown:
        return Press(code, input.message + 1);
    case MouseMessage::kSideDown:
        return Press(code, MouseMessage::kSideUp);
    case MouseMessage::kWheel:
        // A wheel step has no release: the one to swallow next stays as it is.
        return Press(code, swallowedRelease_);
    default:
        break;
    }
    if (swallowedRelease_ != 0 && input.message == swallowedRelease_) {
        swallowedRelease_ = 0;
        return true;
    }
    return false;
}

void HookState::OnKey(const KeyInput& input)
{
    if (input.flags <= kPressFlagsLimit && keyboardForwarding_) {
        Report(kMsgHookMouse, kHookKeyPressParam, input.flags);
    }
    if (keyRecording_) {
        Report(kMsgHookKey, input.virtualKey, input.flags);
    }
}

} // namespace qx71
