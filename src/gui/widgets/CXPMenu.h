#pragma once

#include <QMenu>

namespace qx71::gui {

// The owner-drawn popup menu with icons (the notification area's menu): a light menu whose
// items carry a frame of (219, 216, 209), and (177, 185, 207) around the highlighted one.
class CXPMenu : public QMenu {
    Q_OBJECT

public:
    explicit CXPMenu(QWidget* parent = nullptr);

    // Adds an item with an icon and the command it reports with triggered(command).
    QAction* AddItem(const QIcon& icon, const QString& text, int command);

Q_SIGNALS:
    void commandChosen(int command);
};

} // namespace qx71::gui
