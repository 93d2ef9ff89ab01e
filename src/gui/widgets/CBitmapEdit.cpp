#include "gui/widgets/CBitmapEdit.h"

#include "core/widgets/KitColours.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"

namespace qx71::gui {

CBitmapEdit::CBitmapEdit(const Rect& rect, const QPixmap& background, QWidget* parent, int id)
    : QLineEdit(parent), id_(id)
{
    setGeometry(ToQRect(rect));
    setFrame(false);
    setFont(ShellDlgFont(kKitTextHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, ToQColor(kitcolours::kTextNormal));
    palette.setColor(QPalette::Highlight, ToQColor(kitcolours::kAccentBlue));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(palette);
    SetBackground(background);
}

void CBitmapEdit::SetBackground(const QPixmap& background)
{
    if (background.isNull()) {
        return;
    }
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Base, QBrush(background));
    setPalette(palette);
}

void CBitmapEdit::SetTextColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, colour);
    setPalette(palette);
}

} // namespace qx71::gui
