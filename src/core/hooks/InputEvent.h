#pragma once

#include <cstdint>

namespace qx71 {

// Mouse messages as the low-level mouse hook sees them. The numbers are the Windows message
// numbers, so trigger codes stored in profiles mean the same on every platform.
namespace MouseMessage {
inline constexpr uint32_t kLeftDown = 0x201;
inline constexpr uint32_t kLeftUp = 0x202;
inline constexpr uint32_t kRightDown = 0x204;
inline constexpr uint32_t kRightUp = 0x205;
inline constexpr uint32_t kMiddleDown = 0x207;
inline constexpr uint32_t kMiddleUp = 0x208;
inline constexpr uint32_t kWheel = 0x20A;
inline constexpr uint32_t kSideDown = 0x20B;
inline constexpr uint32_t kSideUp = 0x20C;
} // namespace MouseMessage

// The mouse data word: the wheel delta or the side-button number sits in its high half.
inline constexpr int kWheelDelta = 120;           // one notch
inline constexpr uint32_t kSideButtonBack = 1;    // first side button
inline constexpr uint32_t kSideButtonForward = 2; // second side button
inline constexpr uint32_t kMouseDataHighShift = 16;

constexpr uint32_t WheelMouseData(int delta)
{
    return static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(delta)))
           << kMouseDataHighShift;
}
constexpr uint32_t SideButtonMouseData(uint32_t button)
{
    return button << kMouseDataHighShift;
}

// One button or wheel event (pointer moves are never reported).
struct MouseInput {
    uint32_t message = 0;
    uint32_t mouseData = 0;
    friend bool operator==(const MouseInput&, const MouseInput&) = default;
};

// Flags of a low-level keyboard event.
namespace KeyFlag {
inline constexpr uint32_t kExtended = 0x01;
inline constexpr uint32_t kInjected = 0x10;
inline constexpr uint32_t kAltDown = 0x20;
inline constexpr uint32_t kReleased = 0x80;
} // namespace KeyFlag

// One key press or release: the Windows virtual-key code (the code space of macros and key
// assignments) and the low-level flags.
struct KeyInput {
    uint32_t virtualKey = 0;
    uint32_t flags = 0;
    friend bool operator==(const KeyInput&, const KeyInput&) = default;
};

// Receives the events the input hooks observe, on the owner's thread.
class IInputEventSink {
public:
    virtual ~IInputEventSink() = default;
    virtual void OnMouseInput(const MouseInput& input) = 0;
    virtual void OnKeyInput(const KeyInput& input) = 0;
};

} // namespace qx71
