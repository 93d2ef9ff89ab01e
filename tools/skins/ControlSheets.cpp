// The kit's own controls: the slider's thumb and a track, the scroll bar sheet, and the list
// icons of key release, key press and delay items (normal and selected).
#include "SkinWriter.h"
#include "Theme.h"

#include "core/widgets/ScrollBarSheet.h"
#include "core/widgets/SliderSkins.h"

#include <string>

namespace qx71::skins {
namespace {

namespace sb = scrollbar;

// An arrow in a square, pointing along (dx, dy).
void Arrow(QPainter& p, const Rect& r, int dx, int dy, bool pressed)
{
    p.fillRect(RectF(r), Q(pressed ? theme::kAmber : theme::kFaceTop));
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(RectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    const QPointF c = RectF(r).center();
    const QPointF tip = c + QPointF(dx * 3.5, dy * 3.5);
    const QPointF side(dy * 4.0, dx * 4.0);
    const QPointF back = c - QPointF(dx * 2.5, dy * 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(pressed ? Q(kitcolours::kTextPressed) : Q(theme::kGlyph));
    p.drawPolygon(QPolygonF({tip, back + side, back - side}));
}

void ScrollBarSheet(QPainter& p)
{
    for (const bool vertical : {true, false}) {
        const sb::Parts& parts = vertical ? sb::kVertical : sb::kHorizontal;
        const int dx = vertical ? 0 : 1;
        const int dy = vertical ? 1 : 0;
        Arrow(p, parts.lineUp, -dx, -dy, false);
        Arrow(p, parts.lineUpPressed, -dx, -dy, true);
        Arrow(p, parts.lineDown, dx, dy, false);
        Arrow(p, parts.lineDownPressed, dx, dy, true);
        p.fillRect(RectF(parts.track), Q(theme::kWell));
        p.setPen(QPen(Q(theme::kEdge), 1));
        p.setBrush(Q(theme::kHoverBottom));
        p.drawRoundedRect(RectF(parts.thumb).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
}

} // namespace

void DrawControlSheets(SkinWriter& writer)
{
    writer.Write(sb::kSheet, sb::kSheetSize, ScrollBarSheet);
    writer.Write(sliderskins::kThumb, sliderskins::kThumbSize, [](QPainter& p) {
        const Size s = sliderskins::kThumbSize;
        QLinearGradient g(0, 0, 0, s.height);
        g.setColorAt(0, Q(theme::kAmberLight));
        g.setColorAt(1, Q(theme::kAmberDark));
        p.setPen(QPen(QColor(120, 80, 10), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, s.width - 1.0, s.height - 1.0), 4, 4);
        p.setPen(QPen(QColor(120, 80, 10), 1));
        for (const double x : {s.width / 2.0 - 2, s.width / 2.0 + 2}) {
            p.drawLine(QPointF(x, 6), QPointF(x, s.height - 6));
        }
    });
    writer.Write(sliderskins::kTrack, sliderskins::kTrackSize, [](QPainter& p) {
        const Size s = sliderskins::kTrackSize;
        p.setPen(QPen(Q(theme::kEdge), 1));
        p.setBrush(Q(theme::kWell));
        p.drawRoundedRect(QRectF(0.5, 0.5, s.width - 1.0, s.height - 1.0), 3, 3);
    });
}

} // namespace qx71::skins
