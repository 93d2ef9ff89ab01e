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
// Disabled captions stay readable on the dark faces (at least 3:1), dimmer than the normal
// ones; a disabled selected button's caption and frame are a dimmed amber.
inline constexpr Rgb kTextDisabled{125, 128, 138};
inline constexpr Rgb kTextDisabledMark{180, 136, 52};
// The veil laid over a disabled button that has no disabled face of its own: the panel's
// colour at this opacity.
inline constexpr Rgb kDisabledVeil{27, 30, 35};
inline constexpr double kDisabledVeilOpacity = 0.6;
// The amber of the pages' section titles.
inline constexpr Rgb kTitle{240, 170, 40};
// Dark slate text of the light panels (the info box), and the grey of the progress dialog.
inline constexpr Rgb kSlateText{83, 97, 103};
inline constexpr Rgb kGreyText{128, 128, 128};
// The main window's hint line (0xBEBEBE).
inline constexpr Rgb kHintText{190, 190, 190};
// The icon menus in the dark look: background, border, the highlighted item's fill.
inline constexpr Rgb kMenuBackground{27, 30, 35};
inline constexpr Rgb kMenuBorder{240, 170, 40};
inline constexpr Rgb kMenuHighlight{16, 104, 146};
// The layered popup: its colour key and the frame of the highlighted item.
inline constexpr Rgb kPopupKey{255, 0, 255};
inline constexpr Rgb kPopupHighlightFrame{0, 147, 209};
// Selection accent.
inline constexpr Rgb kAccentBlue{21, 140, 185};
} // namespace kitcolours

// WCAG contrast ratio between two colours (1 to 21).
double ContrastRatio(Rgb a, Rgb b);

} // namespace qx71
