#include "platform/linux/X11ButtonMap.h"

namespace qx71 {

namespace {

// Trigger codes as the hooks form them: the message, the side-button number in the high half,
// or the wheel message shifted up by a byte with 1 for forward.
constexpr uint32_t kTriggerSideBack =
    MouseMessage::kSideDown + SideButtonMouseData(kSideButtonBack);
constexpr uint32_t kTriggerSideForward =
    MouseMessage::kSideDown + SideButtonMouseData(kSideButtonForward);
constexpr uint32_t kTriggerWheelForward = (MouseMessage::kWheel << 8) | 1;
constexpr uint32_t kTriggerWheelBackward = MouseMessage::kWheel << 8;

} // namespace

std::optional<MouseInput> MouseInputFromButton(unsigned button, bool pressed)
{
    switch (button) {
    case XButton::kLeft:
        return MouseInput{pressed ? MouseMessage::kLeftDown : MouseMessage::kLeftUp, 0};
    case XButton::kMiddle:
        return MouseInput{pressed ? MouseMessage::kMiddleDown : MouseMessage::kMiddleUp, 0};
    case XButton::kRight:
        return MouseInput{pressed ? MouseMessage::kRightDown : MouseMessage::kRightUp, 0};
    case XButton::kWheelForward:
    case XButton::kWheelBackward:
        if (!pressed) {
            return std::nullopt;
        }
        return MouseInput{
            MouseMessage::kWheel,
            WheelMouseData(button == XButton::kWheelForward ? kWheelDelta : -kWheelDelta)};
    case XButton::kBack:
    case XButton::kForward:
        return MouseInput{
            pressed ? MouseMessage::kSideDown : MouseMessage::kSideUp,
            SideButtonMouseData(button == XButton::kBack ? kSideButtonBack : kSideButtonForward)};
    default:
        return std::nullopt;
    }
}

std::optional<unsigned> ButtonOfTrigger(uint32_t triggerCode)
{
    switch (triggerCode) {
    case MouseMessage::kLeftDown:
        return XButton::kLeft;
    case MouseMessage::kMiddleDown:
        return XButton::kMiddle;
    case MouseMessage::kRightDown:
        return XButton::kRight;
    case kTriggerWheelForward:
        return XButton::kWheelForward;
    case kTriggerWheelBackward:
        return XButton::kWheelBackward;
    case kTriggerSideBack:
        return XButton::kBack;
    case kTriggerSideForward:
        return XButton::kForward;
    default:
        return std::nullopt;
    }
}

} // namespace qx71
