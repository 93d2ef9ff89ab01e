#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace qx71::gui {

// A caption that must stay on one line in a fixed box (a button face): the font steps down a
// little until the text fits, so a longer translation or a count-down stays readable; only
// what still does not fit at the smallest size is elided.
struct FittedText {
    QFont font;
    QString text;
};
FittedText FitText(const QString& text, const QFont& font, int width);

// A caption that may take two lines of a box: one line while it fits at the font's own size;
// else split at the space that balances the lines best, the font stepping down as FitText's
// does until both lines fit the box. A text without a space, or one that fits no split, is
// fitted on one line.
struct FittedLines {
    QFont font;
    QStringList lines;
};
FittedLines FitTwoLines(const QString& text, const QFont& font, int width, int height);

} // namespace qx71::gui
