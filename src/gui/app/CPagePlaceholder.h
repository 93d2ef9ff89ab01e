#pragma once

#include "gui/app/CMainPage.h"

#include <QPixmap>

namespace qx71::gui {

// A page whose own class has not been written yet: the window's skinned panel at the page's
// place, with nothing on it.
class CPagePlaceholder : public CMainPage {
    Q_OBJECT

public:
    CPagePlaceholder(MainPage page, PageContext& context, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
};

} // namespace qx71::gui
