#include "gui/widgets/FittedText.h"

#include <QFontMetrics>

#include <algorithm>

namespace qx71::gui {

namespace {
// Below three quarters of the face's own size, or 9 px, a caption no longer reads as the
// same control's text.
constexpr int kSmallestPercent = 75;
constexpr int kSmallestPixels = 9;
// Letters narrowed to three quarters of their width still read as the same face.
constexpr int kNarrowestStretch = 75;
} // namespace

namespace {
// The width the text takes on one line, as a drawing in a box lays it out.
int LineWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).size(Qt::TextSingleLine, text).width();
}
} // namespace

FittedText FitText(const QString& text, const QFont& font, int width)
{
    QFont fitted = font;
    const int start = font.pixelSize();
    if (start > 0) {
        const int smallest = std::max(kSmallestPixels, start * kSmallestPercent / 100);
        for (int size = start; size >= smallest; --size) {
            fitted.setPixelSize(size);
            if (LineWidth(fitted, text) <= width) {
                return {fitted, text};
            }
        }
        // Still too wide at the smallest size: narrower letters, as far as they stay legible.
        for (int stretch = 95; stretch >= kNarrowestStretch; stretch -= 5) {
            fitted.setStretch(stretch);
            if (LineWidth(fitted, text) <= width) {
                return {fitted, text};
            }
        }
    }
    return {fitted, QFontMetrics(fitted).elidedText(text, Qt::ElideRight, width)};
}

FittedLines FitTwoLines(const QString& text, const QFont& font, int width, int height)
{
    if (QFontMetrics(font).horizontalAdvance(text) <= width) {
        return {font, {text}};
    }
    const int start = font.pixelSize();
    if (start > 0) {
        QFont fitted = font;
        const int smallest = std::max(kSmallestPixels, start * kSmallestPercent / 100);
        for (int size = start; size >= smallest; --size) {
            fitted.setPixelSize(size);
            const QFontMetrics metrics(fitted);
            if (2 * metrics.lineSpacing() > height) {
                continue;
            }
            int bestWidth = width + 1;
            qsizetype bestSpace = -1;
            for (qsizetype space = text.indexOf(QLatin1Char(' ')); space > 0;
                 space = text.indexOf(QLatin1Char(' '), space + 1)) {
                const int wider = std::max(metrics.horizontalAdvance(text.left(space)),
                                           metrics.horizontalAdvance(text.mid(space + 1)));
                if (wider < bestWidth) {
                    bestWidth = wider;
                    bestSpace = space;
                }
            }
            if (bestSpace > 0 && bestWidth <= width) {
                return {fitted, {text.left(bestSpace), text.mid(bestSpace + 1)}};
            }
        }
    }
    const FittedText one = FitText(text, font, width);
    return {one.font, {one.text}};
}

} // namespace qx71::gui
