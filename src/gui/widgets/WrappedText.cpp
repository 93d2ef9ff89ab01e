#include "gui/widgets/WrappedText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace qx71::gui {
namespace {

// Lays out the lines from y = 0; returns the height used.
qreal LayOut(QTextLayout& layout, int width)
{
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(layout.font()).leading();
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        y += leading;
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

// A layout takes the text's line breaks only as line separators.
QString WithLineSeparators(QString text)
{
    return text.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
}

} // namespace

int WrappedTextHeight(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(WithLineSeparators(text), font);
    return static_cast<int>(std::ceil(LayOut(layout, width)));
}

void DrawWrappedText(QPainter& painter, const QRect& box, const QString& text)
{
    QTextLayout layout(WithLineSeparators(text), painter.font());
    LayOut(layout, box.width());
    layout.draw(&painter, box.topLeft());
}

} // namespace qx71::gui
