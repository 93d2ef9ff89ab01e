// The macro page: its sheets (Macro_normal, _down, _over and _disabled) at the page's size, and the
// icons of the event list. The sheets carry no text: the page paints its labels and the
// buttons their captions from the language file, so one set serves every language.
#include "SkinWriter.h"
#include "Theme.h"

#include "core/macro/MacroPageGeometry.h"
#include "core/widgets/KitColours.h"

#include <QPainterPath>

namespace qx71::skins {
namespace {

namespace mp = macropage;

constexpr Rgb kRecordDot{214, 48, 40};

// The buttons that are off while a recording runs must look off.
QColor MacroGlyphColour(Face face)
{
    return TextOnFace(face, theme::kGlyph, theme::kLine);
}

QPen GlyphPen(Face face, double width = 2)
{
    return QPen(MacroGlyphColour(face), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of a list: lines and a corner fold.
void DrawDocument(QPainter& p, const QRectF& box, Face face)
{
    p.setPen(GlyphPen(face, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath page;
    const double fold = 5;
    page.moveTo(box.left(), box.top());
    page.lineTo(box.right() - fold, box.top());
    page.lineTo(box.right(), box.top() + fold);
    page.lineTo(box.right(), box.bottom());
    page.lineTo(box.left(), box.bottom());
    page.closeSubpath();
    p.drawPath(page);
}

void DrawPlus(QPainter& p, QPointF c, double half, Face face)
{
    p.setPen(GlyphPen(face));
    p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - half), QPointF(c.x(), c.y() + half));
}

void DrawMinus(QPainter& p, QPointF c, double half, Face face)
{
    p.setPen(GlyphPen(face));
    p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
}

void DrawCross(QPainter& p, QPointF c, double half, Face face)
{
    p.setPen(GlyphPen(face));
    p.drawLine(QPointF(c.x() - half, c.y() - half), QPointF(c.x() + half, c.y() + half));
    p.drawLine(QPointF(c.x() - half, c.y() + half), QPointF(c.x() + half, c.y() - half));
}

void DrawTick(QPainter& p, QPointF c, double half, const QColor& colour)
{
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF({QPointF(c.x() - half, c.y()), QPointF(c.x() - half / 3, c.y() + half * 0.7),
                   QPointF(c.x() + half, c.y() - half * 0.7)}));
}

// Rows of a list with the marked row.
void DrawRows(QPainter& p, const QRectF& box, int marked, Face face)
{
    for (int i = 0; i < 3; ++i) {
        const double y = box.top() + box.height() * (0.2 + 0.3 * i);
        p.setPen(GlyphPen(face, i == marked ? 2.4 : 1.4));
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
}

void DrawPencil(QPainter& p, const QRectF& box, Face face)
{
    p.setPen(GlyphPen(face, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath pencil;
    const QPointF tip(box.left(), box.bottom());
    pencil.moveTo(tip);
    pencil.lineTo(box.left() + 3, box.bottom() - 8);
    pencil.lineTo(box.right() - 3, box.top());
    pencil.lineTo(box.right(), box.top() + 3);
    pencil.lineTo(box.left() + 8, box.bottom() - 3);
    pencil.closeSubpath();
    p.drawPath(pencil);
}

// A mouse seen from above with one button lit: 0 left, 1 middle, 2 right.
void DrawMouse(QPainter& p, const Rect& r, int lit, Face face)
{
    const double h = r.Height() - 10;
    const double w = h * 0.68;
    const QRectF body((r.left + r.right - w) / 2, r.top + 5, w, h);
    const QColor c = MacroGlyphColour(face);
    p.save();
    QPainterPath outline;
    outline.addRoundedRect(body, w / 2, w / 2.2);
    const double split = body.top() + h * 0.42;
    const double mid = body.center().x();
    QPainterPath lit_;
    if (lit == 1) {
        lit_.addRoundedRect(QRectF(mid - 2.5, body.top() + 4, 5, h * 0.26), 2.5, 2.5);
    } else {
        QPainterPath half;
        half.addRect(lit == 0 ? QRectF(body.left(), body.top(), w / 2, split - body.top())
                              : QRectF(mid, body.top(), w / 2, split - body.top()));
        lit_ = outline.intersected(half);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(face == Face::Pressed ? c : Q(theme::kAmber));
    p.drawPath(lit_);
    p.setPen(QPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.drawLine(QPointF(body.left(), split), QPointF(body.right(), split));
    if (lit != 1) {
        p.drawLine(QPointF(mid, body.top()), QPointF(mid, split));
    }
    p.restore();
}

void DrawGlyph(QPainter& p, MacroControl control, const Rect& r, Face face)
{
    const QRectF box = RectF(r);
    const QPointF c = box.center();
    const QRectF icon(c.x() - 9, c.y() - 10, 18, 20);
    p.save();
    switch (control) {
    case MacroControl::NewMacro:
        DrawDocument(p, icon.adjusted(0, 0, -4, 0), face);
        DrawPlus(p, QPointF(icon.right() - 3, icon.bottom() - 4), 4.5, face);
        break;
    case MacroControl::DeleteMacro:
        DrawDocument(p, icon.adjusted(0, 0, -4, 0), face);
        DrawCross(p, QPointF(icon.right() - 3, icon.bottom() - 4), 3.5, face);
        break;
    case MacroControl::Insert:
        DrawRows(p, icon.adjusted(0, 2, -6, -2), 1, face);
        DrawPlus(p, QPointF(icon.right() - 1, c.y()), 4, face);
        break;
    case MacroControl::DeleteEvent:
        DrawRows(p, icon.adjusted(0, 2, -6, -2), 1, face);
        DrawMinus(p, QPointF(icon.right() - 1, c.y()), 4, face);
        break;
    case MacroControl::Modify:
        DrawPencil(p, icon.adjusted(1, 1, -1, -1), face);
        break;
    case MacroControl::LeftButton:
        DrawMouse(p, r, 0, face);
        break;
    case MacroControl::MiddleButton:
        DrawMouse(p, r, 1, face);
        break;
    case MacroControl::RightButton:
        DrawMouse(p, r, 2, face);
        break;
    case MacroControl::KeyConfirm:
    case MacroControl::DelayConfirm:
        DrawTick(p, c, 6, MacroGlyphColour(face));
        break;
    default:
        break;
    }
    p.restore();
}

// A check button: its face, the box, and in the pressed (checked) sheet the tick.
void DrawCheckButton(QPainter& p, const Rect& r, Face face)
{
    DrawFace(p, r, face);
    const Rect box{r.left + mp::kCheckBox.left, r.top + mp::kCheckBox.top,
                   r.left + mp::kCheckBox.right, r.top + mp::kCheckBox.bottom};
    p.save();
    p.setPen(QPen(MacroGlyphColour(face), 1.2));
    p.setBrush(Q(mp::kFieldWell));
    p.drawRoundedRect(RectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    if (face == Face::Pressed) {
        DrawTick(p, RectF(box).center(), 5, Q(theme::kAmberLight));
    }
    p.restore();
}

void DrawRecordButton(QPainter& p, const Rect& r, Face face)
{
    DrawFace(p, r, face, 4);
    const Rect icon = mp::kRecordIcon;
    p.save();
    p.setPen(QPen(face == Face::Pressed ? Q(kitcolours::kTextPressed) : QColor(90, 20, 16), 1));
    p.setBrush(Q(kRecordDot));
    p.drawEllipse(
        RectF({r.left + icon.left, r.top + icon.top, r.left + icon.right, r.top + icon.bottom})
            .adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void DrawGameButton(QPainter& p, const Rect& r, Face face)
{
    DrawFace(p, r, face);
    p.save();
    const double x = r.right - mp::kGameArrowWidth;
    p.setPen(QPen(face == Face::Pressed ? QColor(120, 80, 10) : Q(theme::kEdge), 1));
    p.drawLine(QPointF(x + 0.5, r.top + 6), QPointF(x + 0.5, r.bottom - 6));
    const double cx = x + mp::kGameArrowWidth / 2.0;
    const double cy = (r.top + r.bottom) / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(MacroGlyphColour(face));
    p.drawPolygon(
        QPolygonF({QPointF(cx - 5, cy - 2.5), QPointF(cx + 5, cy - 2.5), QPointF(cx, cy + 3.5)}));
    p.restore();
}

void DrawWell(QPainter& p, const Rect& r, Rgb fill)
{
    p.save();
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Q(fill));
    p.drawRect(RectF(r).adjusted(-0.5, -0.5, 0.5, 0.5));
    p.restore();
}

void DrawColumn(QPainter& p, const Rect& r)
{
    p.save();
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Q(mp::kColumnFill));
    p.drawRoundedRect(RectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.restore();
}

// An accent bar left of a painted label.
void DrawMacroLabelMark(QPainter& p, const Rect& r)
{
    p.fillRect(QRect(r.left - 5, r.top + 4, 3, r.Height() - 8), Q(theme::kAmber));
}

void DrawMacroPage(QPainter& p, Face face)
{
    const Size size = mp::kPageSize;
    p.fillRect(QRect(0, 0, size.width, size.height), Q(theme::kPanel));
    DrawColumn(p, mp::kMacroColumn);
    DrawColumn(p, mp::kEventColumn);
    DrawColumn(p, mp::kRecordColumn);
    p.save();
    p.setPen(QPen(Q(theme::kLine), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(RectF(mp::kEditPanel).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.restore();
    for (const mp::PaintedLabel& label : mp::kPaintedLabels) {
        if (label.rect.left > mp::kRecordColumn.left) {
            continue; // the loop count's label stands beside its field
        }
        DrawMacroLabelMark(p, label.rect);
    }
    DrawWell(p, mp::ControlRectOf(MacroControl::MacroList), mp::kListWell);
    DrawWell(p, mp::ControlRectOf(MacroControl::EventList), mp::kListWell);
    for (size_t i = 0; i < mp::kControlCount; ++i) {
        const auto control = static_cast<MacroControl>(i);
        const Rect& r = mp::kControlRects[i];
        if (mp::IsField(control)) {
            DrawWell(p, r, mp::kFieldWell);
        } else if (mp::IsCheckButton(control)) {
            DrawCheckButton(p, r, face);
        } else if (mp::IsGlyphButton(control)) {
            DrawFace(p, r, face);
            DrawGlyph(p, control, r, face);
        } else if (control == MacroControl::Record) {
            DrawRecordButton(p, r, face);
        } else if (control == MacroControl::GameButton) {
            DrawGameButton(p, r, face);
        }
    }
}

// The event list's icons: a key going down, a key coming up, a clock.
enum class EventIcon { Press, Release, Pause };

void DrawEventIcon(QPainter& p, EventIcon icon, bool selected)
{
    const QColor c = selected ? QColor(Qt::white) : Q(theme::kAmber);
    const Size s = mp::kListIconSize;
    const double w = s.width;
    const double h = s.height;
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (icon == EventIcon::Pause) {
        p.drawEllipse(QRectF(1.5, 1.5, w - 3, h - 3));
        p.drawPolyline(QPolygonF(
            {QPointF(w / 2, h * 0.25), QPointF(w / 2, h / 2), QPointF(w * 0.72, h * 0.62)}));
        return;
    }
    // A key cap with an arrow: down for a press, up for a release.
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 3, 3);
    const bool down = icon == EventIcon::Press;
    const double from = down ? h * 0.25 : h * 0.75;
    const double to = down ? h * 0.72 : h * 0.28;
    const double head = down ? -3.5 : 3.5;
    p.drawLine(QPointF(w / 2, from), QPointF(w / 2, to));
    p.drawPolyline(QPolygonF(
        {QPointF(w / 2 - 3.5, to + head), QPointF(w / 2, to), QPointF(w / 2 + 3.5, to + head)}));
}

} // namespace

void DrawMacroSheets(SkinWriter& writer)
{
    writer.Write(mp::kSheetNormal, mp::kPageSize,
                 [](QPainter& p) { DrawMacroPage(p, Face::Normal); });
    writer.Write(mp::kSheetDown, mp::kPageSize,
                 [](QPainter& p) { DrawMacroPage(p, Face::Pressed); });
    writer.Write(mp::kSheetOver, mp::kPageSize, [](QPainter& p) { DrawMacroPage(p, Face::Hover); });
    writer.Write(mp::kSheetDisabled, mp::kPageSize,
                 [](QPainter& p) { DrawMacroPage(p, Face::Dim); });
    const EventIcon icons[] = {EventIcon::Release, EventIcon::Press, EventIcon::Pause};
    for (size_t i = 0; i < mp::kListIcons.size(); ++i) {
        const EventIcon icon = icons[i / 2];
        const bool selected = i % 2 == 1;
        writer.Write(mp::kListIcons[i], mp::kListIconSize,
                     [icon, selected](QPainter& p) { DrawEventIcon(p, icon, selected); });
    }
}

} // namespace qx71::skins
