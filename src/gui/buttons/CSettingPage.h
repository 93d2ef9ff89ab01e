#pragma once

#include "core/buttons/ChooserGeometry.h"
#include "gui/widgets/TextLayout.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <utility>
#include <vector>

namespace qx71::gui {

class CGDIBitmapBtn;
class CListBoxEx;
class CSkinScrollWnd;

// What the chooser's four pages share: their place in the popup's page area, their three
// sheets with the background painted from the first, and the swallowed keys.
class CSettingPage : public QWidget, public ITextLayouts {
    Q_OBJECT

public:
    CSettingPage(const chooser::Sheets& sheets, QWidget* parent);

    // The texts the page paints over its sheet (none unless a page says).
    std::vector<TextLayout> TextLayouts() const override { return {}; }

protected:
    // A button of the page whose faces are cut from the page's sheets.
    CGDIBitmapBtn* NewButton(const Rect& rect, int id = 0);
    // A list of the page without icons, in a frame with the skinned scroll bars.
    CListBoxEx* NewList(const Rect& rect, int id);
    // A list's item colours; below the last line it shows its background too.
    static void SetListColours(CListBoxEx* list, Rgb background, Rgb text, Rgb selectedBackground,
                               Rgb selectedText);
    // The lists' scroll bars follow their lists now (after a fill), not at the next tick.
    void SyncScrollBars();

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QPixmap normal_, over_, down_;
    std::vector<std::pair<CListBoxEx*, CSkinScrollWnd*>> lists_;
};

// Enter, Escape and Space neither close the popup nor press a button.
bool IsSwallowedKey(int key);

// One line of the chooser's painted text in its box, fitted as a button's caption is (smaller,
// then narrower, cut with an ellipsis only at the end).
TextLayout LayOutChooserText(const QString& control, const Rect& box, const QString& text,
                             Rgb colour, Qt::Alignment align);

} // namespace qx71::gui
