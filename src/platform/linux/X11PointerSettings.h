#pragma once

#include "core/hooks/IPointerSettings.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace qx71 {

struct XTrappedConnection;

// The pointer settings on an X11 desktop.
//
// Precision maps the two Windows acceleration triples to the server's pointer control:
// {6, 10, 1} (double the motion beyond the first threshold) becomes acceleration 2/1 above 6
// pixels, {0, 0, 0} becomes 1/1 (none).
// Speed 1..20 goes to the "libinput Accel Speed" property of every pointer device that has
// it, mapped linearly onto -1..1. Without such a device it scales the acceleration numerator
// instead: numerator = factor x speed over a denominator of 10, so speed 10 leaves the
// precision setting as it is.
// Wheel lines have no X11 setting: the value is kept, nothing is applied, and the log says so
// once.
class X11PointerSettings final : public IPointerSettings {
public:
    using Log = std::function<void(const std::string&)>;

    // `displayName` empty: the display of $DISPLAY. `log` empty: standard error.
    explicit X11PointerSettings(std::string displayName = {}, Log log = {});
    ~X11PointerSettings() override;
    X11PointerSettings(const X11PointerSettings&) = delete;
    X11PointerSettings& operator=(const X11PointerSettings&) = delete;

    bool SetPrecision(bool on) override;
    bool SetSpeed(int speed) override;
    bool SetWheelLines(int lines) override;
    // The X server has no lines-per-notch setting.
    PointerSupport Supports() const override { return {true, true, false}; }

    int WheelLines() const;

    static constexpr int kSpeedDenominator = 10;
    static constexpr int kPrecisionThreshold = 6;
    static constexpr int kPrecisionFactor = 2;
    // The libinput value of a speed.
    static float LibinputSpeed(int speed);

private:
    bool Connect();
    bool ApplyControl();

    std::string displayName_;
    Log log_;
    mutable std::mutex mutex_;
    std::unique_ptr<XTrappedConnection> connection_;
    bool precision_ = true;
    // Speed carried by the numerator; kDefaultSpeed while libinput devices take the speed.
    int controlSpeed_ = kDefaultSpeed;
    int wheelLines_ = 3;
    bool wheelLogged_ = false;
};

} // namespace qx71
