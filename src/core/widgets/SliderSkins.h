#pragma once

#include "core/widgets/Geometry.h"

#include <string_view>

namespace qx71::sliderskins {

// The sliders' thumb and the kit's generic track and list icons, under skins/.
inline constexpr std::string_view kThumb = "Slider.png";
inline constexpr Size kThumbSize{14, 20};
inline constexpr std::string_view kTrack = "SliderBar.png";
inline constexpr Size kTrackSize{200, 8};
inline constexpr Size kListIconSize{16, 16};

} // namespace qx71::sliderskins
