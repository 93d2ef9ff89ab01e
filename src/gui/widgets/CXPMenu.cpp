#include "gui/widgets/CXPMenu.h"

#include "core/widgets/KitColours.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"

namespace qx71::gui {
namespace {

QString Css(Rgb c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b);
}

} // namespace

CXPMenu::CXPMenu(QWidget* parent) : QMenu(parent)
{
    setFont(ShellDlgFont(kKitTextHeight));
    // The dark look of the language menu: the kit's text on graphite, white on the blue
    // highlight, each item framed.
    setStyleSheet(
        QStringLiteral("QMenu { background: %1; border: 1px solid %2; padding: 3px; }"
                       "QMenu::item { color: %3; border: 1px solid %1;"
                       " padding: 4px 24px 4px 28px; margin: 1px; }"
                       "QMenu::item:selected { color: %4; border-color: %5;"
                       " background: %6; }"
                       "QMenu::item:disabled { color: %7; }"
                       "QMenu::separator { height: 1px; background: %2; margin: 3px 6px; }"
                       "QMenu::icon { padding-left: 6px; }")
            .arg(Css(kitcolours::kMenuBackground), Css(kitcolours::kMenuBorder),
                 Css(kitcolours::kTextNormal), Css(kitcolours::kTextHover),
                 Css(kitcolours::kPopupHighlightFrame), Css(kitcolours::kMenuHighlight),
                 Css(kitcolours::kTextDisabled)));
}

QAction* CXPMenu::AddItem(const QIcon& icon, const QString& text, int command)
{
    QAction* action = addAction(icon, text);
    connect(action, &QAction::triggered, this, [this, command] { Q_EMIT commandChosen(command); });
    return action;
}

} // namespace qx71::gui
