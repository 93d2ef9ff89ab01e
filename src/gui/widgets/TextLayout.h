#pragma once

#include "gui/widgets/FittedText.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

namespace qx71::gui {

// One text a control draws, laid out before it is drawn: the same layout paints it and tells
// whether it fits (no cut, no wrap out of its box, no shrinking past legibility).
struct TextLayout {
    QString control; // names the control in a report
    QString wanted;  // the whole text
    QString shown;   // what is drawn: the text, or what is left of it when it is cut
    QFont font;
    QRect box;     // where the text must stay, in the drawing widget's coordinates
    int flags = 0; // Qt's alignment and wrap flags
    QColor colour; // none: the painter's pen
    // Where the drawn text lies.
    QRect Used() const;
};

// A text on one line in `box` (centred up and down unless `align` says), its font stepped
// down (FitText) until it fits.
TextLayout LayOutLine(const QString& control, const QString& text, const QFont& font,
                      const QRect& box, Qt::Alignment align);
void DrawTextLayout(QPainter& painter, const TextLayout& text);

// A widget that draws texts of its own says where.
class ITextLayouts {
public:
    virtual std::vector<TextLayout> TextLayouts() const = 0;

protected:
    ~ITextLayouts() = default;
};

} // namespace qx71::gui
