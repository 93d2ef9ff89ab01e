#include "core/macro/GameMenu.h"

#include "core/macro/MacroCategories.h"

#include <algorithm>

namespace qx71 {

GameMenuItems BuildGameMenuItems(bool chinese)
{
    GameMenuItems items{};
    for (size_t i = 0; i < kGameMenuItemCount; ++i) {
        const MacroCategoryTexts& c = kMacroCategories[i];
        MenuItemEx& item = items[i];
        item.parent = kMenuTopLevel;
        item.itemId = c.id;
        const std::u16string_view text = chinese ? c.menuChinese : c.menuEnglish;
        std::copy_n(text.begin(), std::min(text.size(), std::size(item.text) - 1), item.text);
    }
    return items;
}

std::array<std::filesystem::path, 8> GameMenuImagePaths(const std::filesystem::path& installDir)
{
    std::array<std::filesystem::path, 8> paths;
    for (size_t i = 0; i < paths.size(); ++i) {
        paths[i] = installDir / "skins" / "Menu" / kGameMenuImages[i];
    }
    return paths;
}

} // namespace qx71
