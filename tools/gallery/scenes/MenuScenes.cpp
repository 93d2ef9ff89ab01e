// The popup menus: the language menu over the main window's corner (with one item
// highlighted), the game menu of the macro page in both languages, the icon menu.
#include "Gallery.h"

#include "core/app/MainWindowGeometry.h"
#include "core/macro/GameMenu.h"
#include "gui/widgets/CMenuExA.h"
#include "gui/widgets/CXPMenu.h"
#include "gui/widgets/MenuExLibrary.h"
#include "gui/widgets/Skins.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace qx71::gallery {
namespace {

namespace mw = mainwindow;

void MoveOver(QWidget* w, QPoint at)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The popup as it appears over a part of the main window's background.
QImage OverWindow(const QImage& popup, QPoint at, const QRect& crop)
{
    QImage image = gui::LoadSkin(mw::kSheetNormal).toImage().convertToFormat(QImage::Format_ARGB32);
    {
        QPainter p(&image);
        QImage shown = popup.convertToFormat(QImage::Format_ARGB32);
        // The colour key is the window's shape on X11: leave it out as the screen would.
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixelColor(x, y) == QColor(255, 0, 255)) {
                    shown.setPixelColor(x, y, Qt::transparent);
                }
            }
        }
        p.drawImage(at, shown);
    }
    return image.copy(crop);
}

const RegisterScene kLanguageMenu("menus", [](Shots& shots) {
    QWidget window;
    window.resize(960, 650);
    window.show();
    gui::CMenuExA menu(&window);
    menu.Open(window.mapToGlobal(QPoint(11, 348)));
    Settle();
    MoveOver(menu.Popup(), QPoint(50, 6 + 9 * 22 + 11));
    const QPoint at(mw::kLanguageButton.left + mw::kLanguageMenuLeftOffset,
                    mw::kLanguageButton.bottom + mw::kLanguageMenuTopOffset);
    shots.Save(
        QStringLiteral("menu-language"),
        OverWindow(menu.Popup()->Compose().copy(0, 0, 116, 273), at, QRect(0, 330, 320, 320)));
    menu.Close();

    for (const bool chinese : {false, true}) {
        QWidget owner;
        owner.resize(400, 300);
        owner.show();
        const GameMenuItems items = BuildGameMenuItems(chinese);
        const auto paths =
            GameMenuImagePaths(std::filesystem::path(gui::SkinDir().toStdString()).parent_path());
        QString p[8];
        for (size_t i = 0; i < 8; ++i) {
            p[i] = QString::fromStdString(paths[i].string());
        }
        gui::CreateMenuEx(&owner, static_cast<int>(kGameMenuNumber),
                          owner.mapToGlobal(QPoint(0, 0)), kGameMenuColours[0], kGameMenuColours[1],
                          kGameMenuColours[2], p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7],
                          items.data(), static_cast<int>(kGameMenuItemCount));
        Settle();
        for (gui::CWndPopup* popup : owner.findChildren<gui::CWndPopup*>()) {
            MoveOver(popup, QPoint(40, 6 + 13 * 24 + 12));
            shots.Save(QStringLiteral("menu-game-%1").arg(chinese ? "zh" : "en"), popup->Compose());
        }
        gui::DestroyMenuEx(&owner);
    }

    gui::CXPMenu icon;
    icon.AddItem(QIcon(gui::LoadResourceImage(1012)), QStringLiteral("Config"), 0x6000);
    icon.AddItem(QIcon(gui::LoadResourceImage(1011)), QStringLiteral("Exit"), 0x6001);
    icon.popup(QPoint(20, 20));
    Settle();
    icon.setActiveAction(icon.actions().at(0));
    Settle();
    shots.Save(QStringLiteral("menu-icon"), icon.grab().toImage());
    icon.close();
});

} // namespace
} // namespace qx71::gallery
