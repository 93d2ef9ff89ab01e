#include "gui/widgets/TextLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace qx71::gui {

QRect TextLayout::Used() const
{
    return QFontMetrics(font).boundingRect(box, flags, shown);
}

TextLayout LayOutLine(const QString& control, const QString& text, const QFont& font,
                      const QRect& box, Qt::Alignment align)
{
    const FittedText fitted = FitText(text, font, box.width());
    const Qt::Alignment vertical =
        (align & Qt::AlignVertical_Mask) != 0 ? Qt::Alignment() : Qt::AlignVCenter;
    const int flags = static_cast<int>(align | vertical) | Qt::TextSingleLine;
    return {control, text, fitted.text, fitted.font, box, flags, QColor()};
}

void DrawTextLayout(QPainter& painter, const TextLayout& text)
{
    painter.save();
    painter.setFont(text.font);
    if (text.colour.isValid()) {
        painter.setPen(text.colour);
    }
    painter.drawText(text.box, text.flags, text.shown);
    painter.restore();
}

} // namespace qx71::gui
