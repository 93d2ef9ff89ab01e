#include "platform/linux/X11PointerSettings.h"

#include "platform/linux/XTrappedConnection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cstring>
#include <iostream>
#include <vector>

namespace qx71 {

namespace {

constexpr const char* kAccelSpeedProperty = "libinput Accel Speed";
constexpr int kFormat32 = 32;

} // namespace

X11PointerSettings::X11PointerSettings(std::string displayName, Log log)
    : displayName_(std::move(displayName)), log_(std::move(log))
{
    if (!log_) {
        log_ = [](const std::string& line) { std::cerr << "qx71: " << line << '\n'; };
    }
}

X11PointerSettings::~X11PointerSettings() = default;

float X11PointerSettings::LibinputSpeed(int speed)
{
    return -1.0f +
           2.0f * static_cast<float>(speed - kMinSpeed) / static_cast<float>(kMaxSpeed - kMinSpeed);
}

bool X11PointerSettings::Connect()
{
    if (connection_) {
        return true;
    }
    connection_ = XTrappedConnection::Open(displayName_);
    return connection_ != nullptr;
}

bool X11PointerSettings::ApplyControl()
{
    Display* display = connection_->display;
    const int factor = precision_ ? kPrecisionFactor : 1;
    const int numerator = factor * controlSpeed_;
    const int threshold = precision_ ? kPrecisionThreshold : 0;
    XChangePointerControl(display, True, True, numerator, kSpeedDenominator, threshold);
    if (connection_->trap->SyncAndTakeErrors() != 0) {
        return false;
    }
    int gotNumerator = 0;
    int gotDenominator = 0;
    int gotThreshold = 0;
    XGetPointerControl(display, &gotNumerator, &gotDenominator, &gotThreshold);
    return gotNumerator == numerator && gotDenominator == kSpeedDenominator &&
           gotThreshold == threshold;
}

bool X11PointerSettings::SetPrecision(bool on)
{
    std::lock_guard lock(mutex_);
    if (!Connect()) {
        return false;
    }
    precision_ = on;
    return ApplyControl();
}

bool X11PointerSettings::SetSpeed(int speed)
{
    if (speed < kMinSpeed || speed > kMaxSpeed) {
        return false;
    }
    std::lock_guard lock(mutex_);
    if (!Connect()) {
        return false;
    }
    Display* display = connection_->display;
    const Atom property = XInternAtom(display, kAccelSpeedProperty, True);
    const Atom floatType = XInternAtom(display, "FLOAT", True);
    int devices = 0;
    int touched = 0;
    bool allTook = true;
    if (property != None && floatType != None) {
        XIDeviceInfo* info = XIQueryDevice(display, XIAllDevices, &devices);
        for (int i = 0; info != nullptr && i < devices; ++i) {
            if (info[i].use != XISlavePointer) {
                continue;
            }
            Atom type = None;
            int format = 0;
            unsigned long items = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            if (XIGetProperty(display, info[i].deviceid, property, 0, 1, False, floatType, &type,
                              &format, &items, &after, &data) != Success) {
                continue;
            }
            XFree(data);
            if (type != floatType || format != kFormat32) {
                continue;
            }
            // Device properties of format 32 carry 32-bit units, not longs.
            const float value = LibinputSpeed(speed);
            unsigned char bytes[sizeof value];
            std::memcpy(bytes, &value, sizeof value);
            XIChangeProperty(display, info[i].deviceid, property, floatType, kFormat32,
                             PropModeReplace, bytes, 1);
            ++touched;
            if (connection_->trap->SyncAndTakeErrors() != 0) {
                allTook = false;
            }
        }
        XIFreeDeviceInfo(info);
    }
    if (touched > 0) {
        controlSpeed_ = kDefaultSpeed;
        return allTook && ApplyControl();
    }
    controlSpeed_ = speed;
    return ApplyControl();
}

bool X11PointerSettings::SetWheelLines(int lines)
{
    std::lock_guard lock(mutex_);
    wheelLines_ = lines;
    if (!wheelLogged_) {
        wheelLogged_ = true;
        log_("the lines scrolled per wheel notch have no X11 setting; the profile keeps the "
             "value but the desktop's scrolling is unchanged");
    }
    return false;
}

int X11PointerSettings::WheelLines() const
{
    std::lock_guard lock(mutex_);
    return wheelLines_;
}

} // namespace qx71
