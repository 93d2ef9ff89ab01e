#pragma once

#include <QObject>

#include <memory>

class QSystemTrayIcon;

namespace qx71::gui {

class CQX710DriverDlg;
class CXPMenu;

// The notification-area icon of the main window: tooltip, the "Running" balloon once at
// start, double click shows the window, the right button opens the menu with "Config" and
// "Exit". On a desktop without a notification area it waits for one.
class MainTrayIcon : public QObject {
    Q_OBJECT

public:
    explicit MainTrayIcon(CQX710DriverDlg* window);
    ~MainTrayIcon() override;

    // Whether a notification area shows the icon.
    bool Available() const;
    // Docks the icon in a notification area that started after it was shown.
    void Dock();
    void Remove();

    // The menu, opened at `at` (screen coordinates) as the right button does.
    void OpenMenu(const QPoint& at);
    CXPMenu* Menu() const { return menu_.get(); }
    QSystemTrayIcon* Icon() const { return icon_.get(); }

private:
    CQX710DriverDlg* window_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    std::unique_ptr<CXPMenu> menu_;
};

} // namespace qx71::gui
