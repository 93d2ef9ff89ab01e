#include "core/widgets/SliderMath.h"

#include <algorithm>

namespace qx71 {
namespace {

int Clamp(ValueRange range, int value)
{
    return std::clamp(value, std::min(range.min, range.max), std::max(range.min, range.max));
}

// The snaps: on these ranges a click close to the right end reaches the top value although
// the integer division would give one less.
struct TrackSnap {
    int min;
    int max;
    double threshold; // compared with the exact quotient plus one
};
constexpr TrackSnap kTrackSnaps[] = {{1, 5, 4.75}, {1, 10, 9.75}, {1, 3, 2.87}};

} // namespace

int ValueOrMinimum(ValueRange range, int value)
{
    return value < range.min || value > range.max ? range.min : value;
}

int SliderValueAt(ValueRange range, SliderTrack track, int x)
{
    const int span = track.right - track.left - track.thumbWidth;
    if (span <= 0 || range.max == range.min) {
        return range.min;
    }
    const long long offset = static_cast<long long>(range.max - range.min) * (x - track.left);
    return Clamp(range, range.min + static_cast<int>(offset / span));
}

int SliderPositionOf(ValueRange range, SliderTrack track, int value)
{
    const int span = track.right - track.left - track.thumbWidth;
    if (span <= 0 || range.max == range.min) {
        return track.left;
    }
    const long long offset = static_cast<long long>(span) * (value - range.min);
    return track.left + static_cast<int>(offset / (range.max - range.min));
}

SubRangeValue ClampToSubRange(int value, int lower, int upper)
{
    if (value < lower) {
        return {lower, true};
    }
    if (value > upper) {
        return {upper, true};
    }
    return {value, false};
}

int TrackClickValue(ValueRange range, int left, int right, int x)
{
    const int width = right - left;
    if (width <= 0 || range.max == range.min) {
        return range.min;
    }
    const long long product = static_cast<long long>(x - left) * (range.max - range.min);
    const double exact = static_cast<double>(product) / width + 1.0;
    for (const TrackSnap& snap : kTrackSnaps) {
        if (range.min == snap.min && range.max == snap.max && exact > snap.threshold) {
            return snap.max;
        }
    }
    return Clamp(range, range.min + static_cast<int>(product / width));
}

int ProgressFillWidth(ValueRange range, int left, int right, int value)
{
    if (range.max == range.min) {
        return 0;
    }
    const long long fill = static_cast<long long>(right - left) * (value - range.min);
    return std::clamp(static_cast<int>(fill / (range.max - range.min)), 0,
                      std::max(0, right - left));
}

int ProgressValueAt(ValueRange range, int left, int right, int x)
{
    const int width = right - left;
    if (width <= 0) {
        return range.min;
    }
    const long long offset = static_cast<long long>(range.max - range.min) * (x - left);
    return Clamp(range, range.min + static_cast<int>(offset / width));
}

} // namespace qx71
