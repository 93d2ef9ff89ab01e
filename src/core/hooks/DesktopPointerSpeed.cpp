#include "core/hooks/DesktopPointerSpeed.h"

#include "core/hooks/IPointerSettings.h"

#include <cmath>

namespace qx71 {

namespace {

constexpr int kSlowSteps = IPointerSettings::kDefaultSpeed - IPointerSettings::kMinSpeed;
constexpr int kFastSteps = IPointerSettings::kMaxSpeed - IPointerSettings::kDefaultSpeed;

} // namespace

double DesktopSpeedOf(int speed)
{
    const int offset = speed - IPointerSettings::kDefaultSpeed;
    const int steps = offset < 0 ? kSlowSteps : kFastSteps;
    return static_cast<double>(offset) / static_cast<double>(steps);
}

std::optional<int> SpeedOfDesktop(double value)
{
    if (!(value >= -1.0 && value <= 1.0)) {
        return std::nullopt;
    }
    const int steps = value < 0.0 ? kSlowSteps : kFastSteps;
    return IPointerSettings::kDefaultSpeed + static_cast<int>(std::lround(value * steps));
}

} // namespace qx71
