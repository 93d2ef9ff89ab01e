#include "core/macro/MacroCategories.h"
#include "core/macro/GameMenu.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qx71 {
namespace {

TEST(MacroCategories, MenuTextsAndCaptionsKeepTheirOwnSpacesAndSpelling)
{
    struct Case {
        uint32_t id;
        bool chinese;
        std::u16string_view menu;
        std::u16string_view caption;
    };
    const Case cases[] = {
        {1, false, u"Battlefield 3 ", u"Battlefield 3"},
        {1, true, u"战地 3 ", u"战地 3"},
        {5, true, u"军团要塞2", u"军团要塞 2"},
        {7, false, u"Civilization 5 ", u"Civilization 5 "},
        {13, true, u"远古遗迹守卫2（Dota 2） ", u"远古遗迹守卫2（Dota 2）"},
        {13, false, u"Dota 2 ", u"Dota 2 "},
        {21, false, u"Customize", u"Customisze"},
        {21, true, u"玩家自定义", u"玩家自定义"},
        {0, false, u"", u""},
        {22, true, u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroCategoryMenuText(c.id, c.chinese), c.menu) << c.id;
        EXPECT_EQ(MacroCategoryCaption(c.id, c.chinese), c.caption) << c.id;
    }
    for (uint32_t id = 1; id <= 21; ++id) {
        EXPECT_EQ(kMacroCategories[id - 1].id, id);
    }
}

TEST(ChooserGameList, TitlesStandForTheNextCategory)
{
    struct Case {
        size_t item;
        bool chinese;
        std::u16string_view title;
    };
    const Case cases[] = {
        {0, false, u"Battlefield 3"},
        {0, true, u"战地 3"},
        {4, true, u"军团要塞 2"},
        {6, false, u"Civilization 5 "},
        {6, true, u"文明 5 "},
        {12, true, u"远古遗迹守卫2（Dota 2） "},
        {12, false, u"Dota 2 "},
        {19, false, u"War Thunder"},
        {20, false, u"Customisze"},
        {20, true, u"玩家自定义"},
        {21, false, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooserGameTitle(c.item, c.chinese), c.title) << c.item;
    }
    EXPECT_EQ(ChooserGameCategory(20), kUserMacroCategory);
}

TEST(GameMenu, ItemsHoldTheCategoriesThenZeros)
{
    const GameMenuItems items = BuildGameMenuItems(false);
    for (size_t i = 0; i < kGameMenuItemCount; ++i) {
        EXPECT_EQ(items[i].parent, kMenuTopLevel);
        EXPECT_EQ(items[i].itemId, i + 1);
    }
    EXPECT_EQ(std::u16string(items[0].text), u"Battlefield 3 ");
    EXPECT_EQ(std::u16string(items[20].text), u"Customize");
    const auto* bytes = reinterpret_cast<const uint8_t*>(&items[kGameMenuItemCount]);
    const size_t rest = (kGameMenuCapacity - kGameMenuItemCount) * sizeof(MenuItemEx);
    EXPECT_TRUE(std::all_of(bytes, bytes + rest, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(std::u16string(BuildGameMenuItems(true)[4].text), u"军团要塞2");
}

TEST(GameMenu, ImagePathsAndPoint)
{
    const auto paths = GameMenuImagePaths("/opt/qx71");
    EXPECT_EQ(paths[0], std::filesystem::path("/opt/qx71/skins/Menu/MenuNorL.BMP"));
    EXPECT_EQ(paths[6], std::filesystem::path("/opt/qx71/skins/Menu/MenuDownHaveSub.BMP"));
    constexpr MenuPoint p = GameMenuPoint(100, 40);
    EXPECT_EQ(p.x, 101);
    EXPECT_EQ(p.y, 41);
    EXPECT_EQ(GameMenuChoice(0x00030014), 0x14u);
}

} // namespace
} // namespace qx71
