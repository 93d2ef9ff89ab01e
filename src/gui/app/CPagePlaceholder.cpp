#include "gui/app/CPagePlaceholder.h"

#include "core/app/MainWindowGeometry.h"
#include "gui/widgets/Skins.h"

#include <QPainter>

namespace qx71::gui {

CPagePlaceholder::CPagePlaceholder(MainPage page, PageContext& context, QWidget* parent)
    : CMainPage(page, context, parent)
{
    background_ = CutSheet(LoadSkin(mainwindow::kSheetNormal), mainwindow::kPageArea);
}

void CPagePlaceholder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

} // namespace qx71::gui
