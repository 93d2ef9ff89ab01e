#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qx71 {

// One item handed to the popup-menu library: 88 bytes, as the library takes them.
struct MenuItemEx {
    uint32_t parent = 0; // low 8 bits used; kMenuTopLevel for a top-level item
    uint32_t itemId = 0; // low 8 bits used
    char16_t text[40] = {};
};
static_assert(offsetof(MenuItemEx, parent) == 0);
static_assert(offsetof(MenuItemEx, itemId) == 4);
static_assert(offsetof(MenuItemEx, text) == 8);
static_assert(sizeof(MenuItemEx) == 88);

inline constexpr uint32_t kMenuTopLevel = 255;
// The message the library delivers to the owner with the chosen item id in lParam.
inline constexpr uint32_t kMenuChoiceMessage = 0x501;

// A menu item with the items nested under it.
struct MenuNode {
    uint8_t id = 0;
    std::u16string text;
    std::vector<MenuNode> children;
};

// The items as a tree: top-level items (parent 255) in array order, each item under the
// first earlier-or-later item whose id is its parent. Items whose parent is missing, and
// items that would nest inside themselves, are left out; the text stops at its terminator
// or after 40 units.
std::vector<MenuNode> BuildMenuTree(std::span<const MenuItemEx> items);

} // namespace qx71
