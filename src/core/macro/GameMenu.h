#pragma once

#include "core/widgets/MenuItemEx.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace qx71 {

// The game menu is built in an array of this many items; the categories fill the first ones.
inline constexpr size_t kGameMenuCapacity = 200;
static_assert(kGameMenuCapacity * sizeof(MenuItemEx) == 17600);
inline constexpr size_t kGameMenuItemCount = 21;
// The number the macro page passes to the library with its menu.
inline constexpr uint32_t kGameMenuNumber = 24;
// Colours as 0x00BBGGRR: (83, 97, 103), (255, 255, 255), (21, 140, 185).
inline constexpr std::array<uint32_t, 3> kGameMenuColours = {0x676153, 0xFFFFFF, 0xB98C15};
// Under InstallDir/skins/Menu, in the order the library takes them.
inline constexpr std::array<std::string_view, 8> kGameMenuImages = {
    "MenuNorL.BMP",       "MenuOverL.BMP",       "MenuDownL.BMP",       "MenuNorL.BMP",
    "MenuNorHaveSub.BMP", "MenuOverHaveSub.BMP", "MenuDownHaveSub.BMP", "MenuNorHaveSub.BMP",
};
// Where the images of items with a sub-menu start (normal, hover, pressed follow).
inline constexpr size_t kGameMenuSubImageFirst = 4;

using GameMenuItems = std::array<MenuItemEx, kGameMenuCapacity>;

// The 21 categories as top-level items (menu texts cut to 39 characters), the rest zero.
GameMenuItems BuildGameMenuItems(bool chinese);
std::array<std::filesystem::path, 8> GameMenuImagePaths(const std::filesystem::path& installDir);

struct MenuPoint {
    int x = 0;
    int y = 0;
};
// The menu opens just below the game button.
constexpr MenuPoint GameMenuPoint(int buttonLeft, int buttonBottom)
{
    return {buttonLeft + 1, buttonBottom + 1};
}

// The library reports the chosen item id in the low 16 bits.
constexpr uint32_t GameMenuChoice(uint32_t lParam)
{
    return lParam & 0xFFFF;
}

} // namespace qx71
