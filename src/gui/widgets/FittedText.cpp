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

FittedText FitText(const QString& text, const QFont& font, int width)
{
    QFont fitted = font;
    const int start = font.pixelSize();
    if (start > 0) {
        const int smallest = std::max(kSmallestPixels, start * kSmallestPercent / 100);
        for (int size = start; size >= smallest; --size) {
            fitted.setPixelSize(size);
            if (QFontMetrics(fitted).horizontalAdvance(text) <= width) {
                return {fitted, text};
            }
        }
        // Still too wide at the smallest size: narrower letters, as far as they stay legible.
        for (int stretch = 95; stretch >= kNarrowestStretch; stretch -= 5) {
            fitted.setStretch(stretch);
            if (QFontMetrics(fitted).horizontalAdvance(text) <= width) {
                return {fitted, text};
            }
        }
    }
    return {fitted, QFontMetrics(fitted).elidedText(text, Qt::ElideRight, width)};
}

} // namespace qx71::gui
