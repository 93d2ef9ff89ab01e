#pragma once

#include "core/widgets/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qx71 {

// The 32-bit data of an owner-drawn list item: its kind in the top 8 bits, a value in the
// low 24.
enum class ListItemKind : uint8_t {
    Text = 0,
    PlainText = 1,
    KeyRelease = 2,
    KeyPress = 3,
    Delay = 4,
};

constexpr uint32_t MakeListItemData(ListItemKind kind, uint32_t value)
{
    return (static_cast<uint32_t>(kind) << 24) | (value & 0xFFFFFFu);
}
constexpr uint8_t ListItemKindOf(uint32_t data)
{
    return static_cast<uint8_t>(data >> 24);
}
constexpr uint32_t ListItemValueOf(uint32_t data)
{
    return data & 0xFFFFFFu;
}

// The icon of an item kind under skins/, for the selected or another item; none for text.
std::optional<std::string> ListItemIcon(uint8_t kind, bool selected);

// Where an item's icon and text go inside its rectangle (item-relative pixels).
struct ListItemLayout {
    std::optional<Rect> icon;
    int textLeft = 0;
};
inline constexpr int kListIconLeft = 5;
inline constexpr int kListIconTop = 1;
inline constexpr int kListTextGap = 10; // between the icon and the text
inline constexpr int kListTextLeft = 5; // without an icon
inline constexpr int kListEditLimit = 20;
ListItemLayout LayOutListItem(uint8_t kind, bool iconsOn, Size iconSize);

} // namespace qx71
