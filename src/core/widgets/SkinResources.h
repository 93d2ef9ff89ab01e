#pragma once

#include "core/widgets/Geometry.h"

#include <string>
#include <string_view>

namespace qx71::skins {

// A file the views load from InstallDir/skins, with the size they draw it at.
struct SkinFile {
    std::string_view path; // relative to skins/, '/' separated
    Size size;
};

// Numbered pictures (bitmap resources and icons) live in this sub-folder as "<number>.bmp"
// (opaque bitmaps) or "<number>.png" (icons and images with transparency).
inline constexpr std::string_view kResourceFolder = "Resources";
std::string ResourceBitmap(int number);
std::string ResourceImage(int number);

// The file drawn at twice the size: the same name with "@2x" before a ".png" extension.
std::string HiDpiName(std::string_view path);

// Icons: the window (and notification area) icon, and the two icons of the icon menu.
inline constexpr int kWindowIcon = 128;
inline constexpr int kExitIcon = 1011;
inline constexpr int kConfigIcon = 1012;
inline constexpr Size kWindowIconSize{64, 64};
inline constexpr Size kMenuIconSize{16, 16};

// Flags of the twelve languages: bitmaps 142..153 for the main window's indicator, images
// 130..141 for the language menu's items; 129 is the language menu's background.
inline constexpr int kLanguageCount = 12;
inline constexpr int kFlagBitmapFirst = 142;
inline constexpr int kFlagIconFirst = 130;
inline constexpr int kLanguageMenuBackground = 129;
inline constexpr Size kFlagBitmapSize{37, 22};
inline constexpr Size kFlagIconSize{19, 11};
// languageId 1..12.
constexpr int FlagBitmapOf(int languageId)
{
    return kFlagBitmapFirst + languageId - 1;
}
constexpr int FlagIconOf(int languageId)
{
    return kFlagIconFirst + languageId - 1;
}

} // namespace qx71::skins
