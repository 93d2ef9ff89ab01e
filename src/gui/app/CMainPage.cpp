#include "gui/app/CMainPage.h"

#include "core/app/MainWindowGeometry.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CIrrButton.h"

#include <QEvent>

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

void CMainPage::EnsureSkins()
{
    if (skinsLoaded_) {
        return;
    }
    // Set first: LoadSkins may paint, and a paint asks again.
    skinsLoaded_ = true;
    LoadSkins();
}

bool CMainPage::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Paint:
        EnsureSkins();
        break;
    case QEvent::Hide:
        if (skinsLoaded_) {
            skinsLoaded_ = false;
            ReleaseSkins();
            for (auto* button : findChildren<CGDIBitmapBtn*>(Qt::FindDirectChildrenOnly)) {
                button->ReleaseImages();
            }
            for (auto* button : findChildren<CIrrButton*>(Qt::FindDirectChildrenOnly)) {
                button->ReleaseImages();
            }
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

} // namespace qx71::gui
