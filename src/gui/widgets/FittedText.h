#pragma once

#include <QFont>
#include <QString>

namespace qx71::gui {

// A caption that must stay on one line in a fixed box (a button face): the font steps down a
// little until the text fits, so a longer translation or a count-down stays readable; only
// what still does not fit at the smallest size is elided.
struct FittedText {
    QFont font;
    QString text;
};
FittedText FitText(const QString& text, const QFont& font, int width);

} // namespace qx71::gui
