#include "gui/app/CMainPage.h"

#include "core/app/MainWindowGeometry.h"

namespace qx71::gui {

CMainPage::CMainPage(MainPage page, PageContext& context, QWidget* parent)
    : QWidget(parent), page_(page), context_(context)
{
    const Rect& area = mainwindow::kPageArea;
    setGeometry(area.left, area.top, area.Width(), area.Height());
}

} // namespace qx71::gui
