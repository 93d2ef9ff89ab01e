#include "core/widgets/ListItemData.h"

namespace qx71 {

std::optional<std::string> ListItemIcon(uint8_t kind, bool selected)
{
    const char* base = nullptr;
    switch (static_cast<ListItemKind>(kind)) {
    case ListItemKind::KeyRelease:
        base = "up";
        break;
    case ListItemKind::KeyPress:
        base = "down";
        break;
    case ListItemKind::Delay:
        base = "delay";
        break;
    default:
        return std::nullopt;
    }
    return std::string(base) + (selected ? "_select.png" : "_normal.png");
}

ListItemLayout LayOutListItem(uint8_t kind, bool iconsOn, Size iconSize)
{
    if (!iconsOn || !ListItemIcon(kind, false)) {
        return {std::nullopt, kListTextLeft};
    }
    const Rect icon{kListIconLeft, kListIconTop, kListIconLeft + iconSize.width,
                    kListIconTop + iconSize.height};
    return {icon, icon.right + kListTextGap};
}

} // namespace qx71
