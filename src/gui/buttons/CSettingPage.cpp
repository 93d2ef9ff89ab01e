#include "gui/buttons/CSettingPage.h"

#include "core/widgets/ScrollBarSheet.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CListBoxEx.h"

#include "gui/widgets/CSkinScrollWnd.h"
#include "gui/widgets/FittedText.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"
#include <QLineEdit>

#include <QKeyEvent>
#include <QPainter>

namespace qx71::gui {

bool IsSwallowedKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
           key == Qt::Key_Space;
}

TextLayout LayOutChooserText(const QString& control, const Rect& box, const QString& text,
                             Rgb colour, Qt::Alignment align)
{
    TextLayout one =
        LayOutLine(control, text, ShellDlgFont(chooser::kTextPixels), ToQRect(box), align);
    one.colour = ToQColor(colour);
    return one;
}

CSettingPage::CSettingPage(const chooser::Sheets& sheets, QWidget* parent)
    : QWidget(parent), normal_(LoadSkin(sheets.normal)), over_(LoadSkin(sheets.hover)),
      down_(LoadSkin(sheets.pressed))
{
    setGeometry(ToQRect(chooser::kPageArea));
}

CGDIBitmapBtn* CSettingPage::NewButton(const Rect& rect, int id)
{
    auto* button = new CGDIBitmapBtn(rect, this, id);
    button->SetStateImages(normal_, over_, down_, normal_, rect);
    button->SetUseCheckedImages(true);
    return button;
}

CListBoxEx* CSettingPage::NewList(const Rect& rect, int id)
{
    auto* list = new CListBoxEx(rect, this, id);
    list->SetIconsShown(false);
    auto* host = new CSkinScrollWnd(this);
    host->Attach(list, LoadSkin(scrollbar::kSheet));
    lists_.emplace_back(list, host);
    return list;
}

void CSettingPage::SetListColours(CListBoxEx* list, Rgb background, Rgb text,
                                  Rgb selectedBackground, Rgb selectedText)
{
    list->SetColours(ToQColor(background), ToQColor(text), ToQColor(selectedBackground),
                     ToQColor(selectedText));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, ToQColor(background));
    list->setPalette(palette);
}

void CSettingPage::SyncScrollBars()
{
    for (const auto& [list, host] : lists_) {
        // Lay the items out now: a list filled while hidden has no scroll range yet.
        list->doItemsLayout();
        host->Sync();
    }
}

void CSettingPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    SyncScrollBars();
}

void CSettingPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, normal_);
    for (const TextLayout& text : TextLayouts()) {
        DrawTextLayout(painter, text);
    }
}

void CSettingPage::keyPressEvent(QKeyEvent* event)
{
    if (IsSwallowedKey(event->key())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CSettingPage::keyReleaseEvent(QKeyEvent* event)
{
    if (IsSwallowedKey(event->key())) {
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

} // namespace qx71::gui
