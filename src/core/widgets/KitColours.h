#pragma once

#include <cstdint>

namespace qx71 {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// Caption colours of the bitmap and region buttons, by state.
namespace kitcolours {
inline constexpr Rgb kTextNormal{189, 189, 200};
inline constexpr Rgb kTextHover{255, 255, 255};
inline constexpr Rgb kTextPressed{38, 29, 5};
inline constexpr Rgb kTextDisabled{38, 42, 39};
// Dark slate text of the light panels (the info box), and the grey of the progress dialog.
inline constexpr Rgb kSlateText{83, 97, 103};
inline constexpr Rgb kGreyText{128, 128, 128};
// The main window's hint line (0xBEBEBE).
inline constexpr Rgb kHintText{190, 190, 190};
// Frames of the owner-drawn menu's items.
inline constexpr Rgb kXpMenuHighlightFrame{177, 185, 207};
inline constexpr Rgb kXpMenuFrame{219, 216, 209};
// The layered popup: its colour key and the frame of the highlighted item.
inline constexpr Rgb kPopupKey{255, 0, 255};
inline constexpr Rgb kPopupHighlightFrame{0, 147, 209};
// Selection accent.
inline constexpr Rgb kAccentBlue{21, 140, 185};
} // namespace kitcolours

// WCAG contrast ratio between two colours (1 to 21).
double ContrastRatio(Rgb a, Rgb b);

} // namespace qx71
