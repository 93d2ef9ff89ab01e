#include "core/widgets/MenuItemEx.h"

#include <algorithm>
#include <iterator>

namespace qx71 {
namespace {

uint8_t Low8(uint32_t v)
{
    return static_cast<uint8_t>(v & 0xFF);
}

std::u16string TextOf(const MenuItemEx& item)
{
    const auto end = std::find(std::begin(item.text), std::end(item.text), u'\0');
    return std::u16string(std::begin(item.text), end);
}

void AddChildren(MenuNode& node, std::span<const MenuItemEx> items, std::vector<bool>& used,
                 int depth)
{
    // An id can only nest as deep as there are items; deeper means a cycle.
    if (depth > static_cast<int>(items.size())) {
        return;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        if (used[i] || Low8(items[i].parent) != node.id ||
            Low8(items[i].parent) == Low8(kMenuTopLevel)) {
            continue;
        }
        used[i] = true;
        MenuNode child{Low8(items[i].itemId), TextOf(items[i]), {}};
        AddChildren(child, items, used, depth + 1);
        node.children.push_back(std::move(child));
    }
}

} // namespace

std::vector<MenuNode> BuildMenuTree(std::span<const MenuItemEx> items)
{
    std::vector<MenuNode> top;
    std::vector<bool> used(items.size(), false);
    for (size_t i = 0; i < items.size(); ++i) {
        if (Low8(items[i].parent) == Low8(kMenuTopLevel)) {
            used[i] = true;
            top.push_back({Low8(items[i].itemId), TextOf(items[i]), {}});
        }
    }
    for (MenuNode& node : top) {
        AddChildren(node, items, used, 1);
    }
    return top;
}

} // namespace qx71
