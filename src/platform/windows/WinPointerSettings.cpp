#include "platform/windows/WinPointerSettings.h"

#include <windows.h>

#include <cstdint>

namespace qx71 {

namespace {

// Written to the user profile and broadcast as WM_SETTINGCHANGE.
constexpr UINT kWriteAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
// SPI_GETMOUSE's third value: the acceleration, which enhanced precision turns on.
constexpr size_t kAccelerationIndex = 2;

} // namespace

bool WinPointerSettings::SetPrecision(bool on)
{
    std::array<int, 3> values = on ? kPrecisionOn : kPrecisionOff;
    return ::SystemParametersInfoW(SPI_SETMOUSE, 0, values.data(), kWriteAndBroadcast) != FALSE;
}

bool WinPointerSettings::SetSpeed(int speed)
{
    if (speed < kMinSpeed || speed > kMaxSpeed) {
        return false;
    }
    // Windows takes the speed from the pointer argument itself and ignores the number one; Wine
    // stores the number one and ignores the pointer (it would store 0). Both carry it.
    return ::SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                                   reinterpret_cast<PVOID>(static_cast<intptr_t>(speed)),
                                   kWriteAndBroadcast) != FALSE;
}

bool WinPointerSettings::SetWheelLines(int lines)
{
    if (lines < kWheelOneScreen) {
        return false;
    }
    const UINT value = lines == kWheelOneScreen ? WHEEL_PAGESCROLL : static_cast<UINT>(lines);
    return ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, value, nullptr, kWriteAndBroadcast) !=
           FALSE;
}

std::optional<std::array<int, 3>> WinPointerSettings::Mouse()
{
    std::array<int, 3> values{};
    if (::SystemParametersInfoW(SPI_GETMOUSE, 0, values.data(), 0) == FALSE) {
        return std::nullopt;
    }
    return values;
}

PointerValues WinPointerSettings::Current()
{
    PointerValues values;
    if (const auto mouse = Mouse()) {
        values.precision = (*mouse)[kAccelerationIndex] != 0;
    }
    if (int speed = 0; ::SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0) != FALSE) {
        values.speed = speed;
    }
    if (UINT lines = 0; ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0) != FALSE) {
        values.wheelLines = lines == WHEEL_PAGESCROLL ? kWheelOneScreen : static_cast<int>(lines);
    }
    return values;
}

} // namespace qx71
