#pragma once

namespace qx71 {

// The value maps of the sliders, the track and the progress bar. Integer arithmetic as the
// controls compute it; an empty range (min = max) or a zero-width track maps everything to
// the minimum and the left end.
struct ValueRange {
    int min = 0;
    int max = 0;
};

// A slider track in its parent's pixels: the thumb's left edge moves from left to
// right - thumbWidth.
struct SliderTrack {
    int left = 0;
    int right = 0;
    int thumbWidth = 0;
};

// A value set from outside [min, max] shows the minimum.
int ValueOrMinimum(ValueRange range, int value);

// The thumb's value at left-edge position x, clamped to [min, max].
int SliderValueAt(ValueRange range, SliderTrack track, int x);
// The thumb's left edge for a value.
int SliderPositionOf(ValueRange range, SliderTrack track, int value);

// A value clamped to the allowed sub-range; `clamped` says the thumb goes back to the limit.
struct SubRangeValue {
    int value = 0;
    bool clamped = false;
};
SubRangeValue ClampToSubRange(int value, int lower, int upper);

// A click at x on a track from left to right, with the snaps towards the top of the short
// ranges 1..5, 1..10 and 1..3.
int TrackClickValue(ValueRange range, int left, int right, int x);

// The width of a progress bar's fill, and the value a drag to x gives.
int ProgressFillWidth(ValueRange range, int left, int right, int value);
int ProgressValueAt(ValueRange range, int left, int right, int x);

} // namespace qx71
