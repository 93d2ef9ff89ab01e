#include "gui/widgets/CMenuEx.h"

namespace qx71::gui {

CMenuEx::CMenuEx(QWidget* owner, CWndPopup::Look look)
    : QObject(owner), owner_(owner), look_(std::move(look))
{
}

CMenuEx::~CMenuEx()
{
    Close();
}

void CMenuEx::Open(QPoint topLeft)
{
    Close();
    popup_ = new CWndPopup(owner_, look_, AddItems());
    connect(popup_, &CWndPopup::chosen, this, &CMenuEx::chosen);
    connect(popup_, &QObject::destroyed, this, &CMenuEx::closed);
    popup_->OpenAt(topLeft);
}

void CMenuEx::Close()
{
    if (popup_ != nullptr) {
        // At once, not later: a popup closed but still alive would take the next one's
        // place when it goes.
        CWndPopup* popup = popup_;
        popup_ = nullptr;
        popup->hide();
        delete popup;
    }
}

} // namespace qx71::gui
