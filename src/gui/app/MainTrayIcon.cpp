#include "gui/app/MainTrayIcon.h"

#include "core/app/MainWindowTexts.h"
#include "core/widgets/SkinResources.h"
#include "gui/app/CQX710DriverDlg.h"
#include "gui/widgets/CXPMenu.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

#include <QSystemTrayIcon>

namespace qx71::gui {

MainTrayIcon::MainTrayIcon(CQX710DriverDlg* window) : QObject(window), window_(window)
{
    menu_ = std::make_unique<CXPMenu>();
    menu_->AddItem(QIcon(LoadResourceImage(skins::kConfigIcon)),
                   ToQString(mainwindow::kTrayConfigText),
                   static_cast<int>(mainwindow::kTrayConfigCommand));
    menu_->AddItem(QIcon(LoadResourceImage(skins::kExitIcon)), ToQString(mainwindow::kTrayExitText),
                   static_cast<int>(mainwindow::kTrayExitCommand));
    connect(menu_.get(), &CXPMenu::commandChosen, window_, [this](int command) {
        if (command == static_cast<int>(mainwindow::kTrayConfigCommand)) {
            window_->ShowFromTray();
        } else if (command == static_cast<int>(mainwindow::kTrayExitCommand)) {
            // The close runs from the event loop, after the menu has gone.
            QMetaObject::invokeMethod(
                window_, [this] { window_->RequestClose(); }, Qt::QueuedConnection);
        }
    });

    icon_ = std::make_unique<QSystemTrayIcon>(QIcon(LoadResourceImage(skins::kWindowIcon)));
    icon_->setToolTip(ToQString(mainwindow::kTrayTooltip));
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) {
                    window_->ShowFromTray();
                } else if (reason == QSystemTrayIcon::Context) {
                    OpenMenu(QCursor::pos());
                }
            });
    icon_->show();
    if (Available()) {
        icon_->showMessage(ToQString(mainwindow::kTrayBalloonTitle),
                           ToQString(mainwindow::kTrayBalloonText), QSystemTrayIcon::Information,
                           mainwindow::kTrayBalloonMs);
    }
}

MainTrayIcon::~MainTrayIcon() = default;

bool MainTrayIcon::Available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void MainTrayIcon::Dock()
{
    // Qt docks the icon only in a notification area that runs when the icon is shown; an icon
    // that is not docked has no place on the screen.
    if (Available() && icon_->geometry().isEmpty()) {
        icon_->hide();
        icon_->show();
    }
}

void MainTrayIcon::Remove()
{
    menu_->close();
    icon_->hide();
}

void MainTrayIcon::OpenMenu(const QPoint& at)
{
    window_->activateWindow();
    menu_->popup(at);
}

} // namespace qx71::gui
