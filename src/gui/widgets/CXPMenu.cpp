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
    // Dark slate text on near-white items, readable in both states.
    setStyleSheet(QStringLiteral("QMenu { background: rgb(250, 250, 248); padding: 3px; }"
                                 "QMenu::item { color: %1; border: 1px solid %2;"
                                 " padding: 4px 24px 4px 28px; margin: 1px; }"
                                 "QMenu::item:selected { border-color: %3;"
                                 " background: rgb(228, 233, 244); }"
                                 "QMenu::icon { padding-left: 6px; }")
                      .arg(Css(kitcolours::kSlateText), Css(kitcolours::kXpMenuFrame),
                           Css(kitcolours::kXpMenuHighlightFrame)));
}

QAction* CXPMenu::AddItem(const QIcon& icon, const QString& text, int command)
{
    QAction* action = addAction(icon, text);
    connect(action, &QAction::triggered, this, [this, command] { Q_EMIT commandChosen(command); });
    return action;
}

} // namespace qx71::gui
