#pragma once

#include "gui/widgets/CWndPopup.h"

#include <QObject>
#include <QPointer>

namespace qx71::gui {

// A menu shown as a CWndPopup. Subclasses fill it (AddItems) and give its look; a choice is
// reported with chosen() and closes the menu.
class CMenuEx : public QObject {
    Q_OBJECT

public:
    CMenuEx(QWidget* owner, CWndPopup::Look look);
    ~CMenuEx() override;

    // Fills the menu and opens it with its top-left corner at a point of the screen.
    void Open(QPoint topLeft);
    void Close();
    bool IsOpen() const { return popup_ != nullptr; }
    CWndPopup* Popup() const { return popup_; }

Q_SIGNALS:
    void chosen(uint32_t value);
    void closed();

protected:
    // The step that fills the menu.
    virtual std::vector<CWndPopup::Item> AddItems() = 0;

private:
    QWidget* owner_;
    CWndPopup::Look look_;
    QPointer<CWndPopup> popup_;
};

} // namespace qx71::gui
