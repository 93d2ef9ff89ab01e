#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qx71 {

// A lighting colour as the profile stores it: 0x00BBGGRR.
inline constexpr int kRedShift = 0;
inline constexpr int kGreenShift = 8;
inline constexpr int kBlueShift = 16;
inline constexpr uint32_t kComponentMask = 0xFF;

enum class ColourComponent : uint8_t { Red, Green, Blue };
inline constexpr size_t kColourComponents = 3;

constexpr int ShiftOf(ColourComponent c)
{
    return c == ColourComponent::Red ? kRedShift
                                     : (c == ColourComponent::Green ? kGreenShift : kBlueShift);
}

constexpr uint32_t ComponentOf(uint32_t colour, ColourComponent c)
{
    return (colour >> ShiftOf(c)) & kComponentMask;
}

constexpr uint32_t WithComponent(uint32_t colour, ColourComponent c, uint32_t value)
{
    const int shift = ShiftOf(c);
    return (colour & ~(kComponentMask << shift)) | ((value & kComponentMask) << shift);
}

constexpr uint32_t ColourFromRgb(uint32_t red, uint32_t green, uint32_t blue)
{
    return ((red & kComponentMask) << kRedShift) | ((green & kComponentMask) << kGreenShift) |
           ((blue & kComponentMask) << kBlueShift);
}

// Red, green and blue of a colour, in that order.
constexpr std::array<uint32_t, kColourComponents> RgbOf(uint32_t colour)
{
    return {ComponentOf(colour, ColourComponent::Red), ComponentOf(colour, ColourComponent::Green),
            ComponentOf(colour, ColourComponent::Blue)};
}

// The 26 preset colours of the lighting page, index 0 top left.
inline constexpr size_t kPresetCount = 26;
inline constexpr std::array<uint32_t, kPresetCount> kPresetColors{
    0x7E05FA, 0x0012FA, 0x0179F8, 0x00EDF9, 0x09F0C1, 0x00F927, 0x2AA418, 0x93E713, 0xDFE90D,
    0xFAC101, 0xFA8E05, 0xF96F00, 0xF80024, 0xE3185A, 0xE21B7F, 0xE218C1, 0x54FAE6, 0x30B900,
    0x7D63FA, 0x233BC4, 0x1603DE, 0xAD7A17, 0x12B900, 0xC05A4A, 0xEE4E6F, 0xB95401,
};

} // namespace qx71
