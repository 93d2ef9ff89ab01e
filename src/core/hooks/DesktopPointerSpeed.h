#pragma once

#include <optional>

namespace qx71 {

// The desktops' pointer speed (GNOME's `speed`, libinput's acceleration) runs from -1 to 1
// with 0 as the device's own speed. Profile speed 10 is the middle: 1..10 maps linearly onto
// -1..0 and 10..20 onto 0..1, so every one of the 20 values maps to one number and back.
double DesktopSpeedOf(int speed);
// The profile speed nearest to a desktop value; nullopt outside -1..1 (or not a number).
std::optional<int> SpeedOfDesktop(double value);

} // namespace qx71
