#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace qx71::gui {

// Text wrapped at words to a width; a word longer than the width (a path) is broken where it
// must, so nothing runs past the width. A line break of the text starts a new line.
int WrappedTextHeight(const QString& text, const QFont& font, int width);
void DrawWrappedText(QPainter& painter, const QRect& box, const QString& text);

} // namespace qx71::gui
