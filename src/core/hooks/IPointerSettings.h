#pragma once

#include "core/hooks/PointerSupport.h"

namespace qx71 {

// The three pointer settings of a profile that are applied to the system rather than to the
// mouse. Each call reports whether the system took the value.
class IPointerSettings {
public:
    static constexpr int kMinSpeed = 1;
    static constexpr int kMaxSpeed = 20;
    static constexpr int kDefaultSpeed = 10;
    static constexpr int kWheelOneScreen = -1; // wheel lines: one screen per notch

    virtual ~IPointerSettings() = default;
    // Enhanced pointer precision (acceleration) on or off.
    virtual bool SetPrecision(bool on) = 0;
    // Pointer speed kMinSpeed..kMaxSpeed; values outside are refused.
    virtual bool SetSpeed(int speed) = 0;
    // Lines scrolled per wheel notch, or kWheelOneScreen.
    virtual bool SetWheelLines(int lines) = 0;

    // The settings this system keeps; a call for any other changes nothing.
    virtual PointerSupport Supports() const { return PointerSupport::All(); }
    // What the system holds now; empty where it cannot tell.
    virtual PointerValues Current() { return {}; }
};

} // namespace qx71
