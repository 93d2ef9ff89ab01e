// The popup menus: the language menu's background (129) and the game menu's item images
// under Menu/ (normal, hover and pressed, for items and for items with a sub-menu).
#include "SkinWriter.h"
#include "Theme.h"

#include "core/macro/GameMenu.h"
#include "core/macro/MacroPageGeometry.h"
#include "core/widgets/SkinResources.h"

#include <string>

namespace qx71::skins {
namespace {

// The game menu's items open under the game button, as wide as it.
constexpr Size kMenuItemSize = macropage::kGameMenuImageSize;

std::string MenuPath(std::string_view name)
{
    return "Menu/" + std::string(name);
}

void DrawItem(QPainter& p, Rgb fill, Rgb border, bool subMenu)
{
    const Size s = kMenuItemSize;
    p.fillRect(QRect(0, 0, s.width, s.height), Q(fill));
    p.fillRect(QRect(0, s.height - 1, s.width, 1), Q(border));
    if (subMenu) {
        p.fillRect(QRect(s.width - 3, 3, 2, s.height - 6), Q(border));
    }
}

} // namespace

// Used by the main window's and the macro page's menus.
void DrawMenuSheets(SkinWriter& writer)
{
    writer.Write(ResourceImage(kLanguageMenuBackground), {32, 32}, [](QPainter& p) {
        p.setPen(QPen(Q(theme::kAmber), 1));
        QLinearGradient g(0, 0, 0, 32);
        g.setColorAt(0, Q(theme::kFaceBottom));
        g.setColorAt(1, Q(theme::kWindowBottom));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    });
    // The dark look of the language menu: graphite items under the kit's normal text, blue
    // under the white highlighted text.
    const Rgb blueLine{8, 60, 86};
    const std::pair<Rgb, Rgb> looks[] = {{theme::kFaceBottom, theme::kLine},
                                         {theme::kBlueHover, blueLine},
                                         {theme::kBluePressed, blueLine}};
    for (size_t state = 0; state < std::size(looks); ++state) {
        const auto [fill, line] = looks[state];
        writer.Write(MenuPath(kGameMenuImages[state]), kMenuItemSize,
                     [&](QPainter& p) { DrawItem(p, fill, line, false); });
        writer.Write(MenuPath(kGameMenuImages[kGameMenuSubImageFirst + state]), kMenuItemSize,
                     [&](QPainter& p) { DrawItem(p, fill, line, true); });
    }
}

} // namespace qx71::skins
