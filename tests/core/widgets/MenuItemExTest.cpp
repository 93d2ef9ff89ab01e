#include "core/widgets/MenuItemEx.h"
#include "core/widgets/PopupMenuLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace qx71 {
namespace {

MenuItemEx Item(uint32_t parent, uint32_t id, std::u16string_view text)
{
    MenuItemEx item;
    item.parent = parent;
    item.itemId = id;
    std::copy(text.begin(), text.end(), item.text);
    return item;
}

TEST(MenuTree, NestsItemsUnderTheirParent)
{
    const MenuItemEx items[] = {
        Item(255, 1, u"Shooters"),     Item(255, 2, u"Strategy"),
        Item(1, 10, u"Battlefield 3"), Item(2, 20, u"Anno 2070"),
        Item(1, 11, u"Battlefield 4"), Item(10, 30, u"Maps"),
        Item(77, 40, u"orphan"),       Item(0x1FF, 3, u"Top with high bits"),
    };
    const std::vector<MenuNode> tree = BuildMenuTree(items);
    ASSERT_EQ(tree.size(), 3u);
    EXPECT_EQ(tree[0].text, u"Shooters");
    ASSERT_EQ(tree[0].children.size(), 2u);
    EXPECT_EQ(tree[0].children[0].id, 10);
    EXPECT_EQ(tree[0].children[1].text, u"Battlefield 4");
    ASSERT_EQ(tree[0].children[0].children.size(), 1u);
    EXPECT_EQ(tree[0].children[0].children[0].text, u"Maps");
    EXPECT_EQ(tree[1].children.size(), 1u);
    EXPECT_EQ(tree[2].id, 3); // only the low 8 bits of the parent count
}

TEST(MenuTree, SelfParentAndFullTextAreSafe)
{
    MenuItemEx full = Item(255, 5, u"");
    std::fill(std::begin(full.text), std::end(full.text), u'x'); // no terminator
    const MenuItemEx items[] = {full, Item(6, 6, u"loop"), Item(5, 5, u"same id")};
    const std::vector<MenuNode> tree = BuildMenuTree(items);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].text.size(), 40u);
    // The item with id 5 under parent 5 hangs once under the top item; the self-parented one
    // is never shown.
    ASSERT_EQ(tree[0].children.size(), 1u);
    EXPECT_TRUE(tree[0].children[0].children.empty());
}

TEST(PopupMenuLayout, LanguageMenuSizeAndHitTest)
{
    // Twelve items make the 116 x 273 language menu.
    EXPECT_EQ(popupmenu::HeightFor(12), 273);
    EXPECT_EQ(popupmenu::ItemRect(0, 116), (Rect{3, 6, 113, 28}));
    EXPECT_EQ(popupmenu::ItemAt({50, 6}, 12, 116), 0);
    EXPECT_EQ(popupmenu::ItemAt({50, 27}, 12, 116), 0);
    EXPECT_EQ(popupmenu::ItemAt({50, 28}, 12, 116), 1);
    EXPECT_EQ(popupmenu::ItemAt({50, 269}, 12, 116), 11);
    EXPECT_EQ(popupmenu::ItemAt({50, 270}, 12, 116), -1);
    EXPECT_EQ(popupmenu::ItemAt({50, 5}, 12, 116), -1);
    EXPECT_EQ(popupmenu::ItemAt({2, 50}, 12, 116), -1);
    EXPECT_EQ(popupmenu::ItemAt({113, 50}, 12, 116), -1);
    EXPECT_EQ(popupmenu::ItemAt({112, 50}, 12, 116), 2);
}

TEST(PopupMenuLayout, APopupThatWouldLeaveTheScreenIsMovedBackOntoIt)
{
    // The game menu (21 items of 24 pixels) below its button on a 1024 x 768 screen.
    const Rect screen{0, 0, 1024, 768};
    const Size menu{238, 6 + 21 * 24 + 3};
    struct Case {
        Point asked;
        Point opened;
    };
    const Case cases[] = {
        {{68, 100}, {68, 100}},   // fits
        {{68, 257}, {68, 255}},   // two pixels too low: up by two
        {{900, 100}, {786, 100}}, // past the right edge
        {{-20, -5}, {0, 0}},      // past the left and top edges
        {{990, 700}, {786, 255}}, // past the right and bottom edges
    };
    for (const Case& c : cases) {
        EXPECT_EQ(popupmenu::KeepOnScreen(c.asked, menu, screen), c.opened)
            << c.asked.x << "," << c.asked.y;
    }
    // Taller than the screen: the top items stay reachable.
    EXPECT_EQ(popupmenu::KeepOnScreen({10, 100}, {100, 900}, screen), (Point{10, 0}));
    // A screen that does not start at the origin (a second monitor).
    EXPECT_EQ(popupmenu::KeepOnScreen({1500, 700}, menu, {1024, 0, 2048, 768}), (Point{1500, 255}));
}

} // namespace
} // namespace qx71
