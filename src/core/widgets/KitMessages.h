#pragma once

#include <cstdint>

namespace qx71::kitmessages {

// The numbers the kit's notifications carry; the Qt signals pass the same values.
inline constexpr uint32_t kButtonNotify = 1805; // bitmap button press and release
inline constexpr int kButtonPress = 513;
inline constexpr int kButtonRelease = 514;
inline constexpr uint32_t kSliderMoved = 2048;       // slider and track: the new value
inline constexpr uint32_t kProgressDragEnded = 1104; // progress bar: the value at release
inline constexpr uint32_t kListSelection = 1125;     // list box: the selected index
inline constexpr uint32_t kListEditEnded = 1136;     // list box: the edited index
inline constexpr uint32_t kScrollStyles = 1124;      // scroll host: which bar to show

// Scroll codes of the skinned scroll bars.
inline constexpr int kLineUp = 0;
inline constexpr int kLineDown = 1;
inline constexpr int kPageUp = 2;
inline constexpr int kPageDown = 3;
inline constexpr int kThumbPosition = 4;
inline constexpr int kThumbTrack = 5;
inline constexpr int kEndScroll = 8;

} // namespace qx71::kitmessages
