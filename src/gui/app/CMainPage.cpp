#include "gui/app/CMainPage.h"

#include "core/app/MainWindowGeometry.h"

namespace qx71::gui {

CMainPage::CMainPage(MainPage page, PageContext& context, QWidget* parent)
    : QWidget(parent), page_(page), context_(context)
{
    const Rect& area = mainwindow::kPageArea;
    setGeometry(area.left, area.top, area.Width(), area.Height());
}

WindowHandle CMainPage::Handle() const
{
    // The main window is handle 1; the pages follow it.
    constexpr WindowHandle kFirstPageHandle = 2;
    return kFirstPageHandle + static_cast<WindowHandle>(page_);
}

} // namespace qx71::gui
