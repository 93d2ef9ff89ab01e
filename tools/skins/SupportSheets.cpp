// The support page: its sheets (support_normal, _down, _over and _disabled) at the page's size.
// The five action buttons carry glyphs at their left, beside the captions the page draws from
// the language file; the version areas are captioned the same way, so the sheets hold no text
// and one set serves every language.
#include "SkinWriter.h"
#include "Theme.h"

#include "core/update/SupportPageGeometry.h"
#include "core/widgets/KitColours.h"

#include <QPainterPath>

namespace qx71::skins {
namespace {

namespace sp = support;

// Panels that group the controls: the versions with the update, the web site, the profile
// file, the defaults.
constexpr Rect kVersionsPanel{40, 80, 600, 320};
constexpr Rect kWebPanel{640, 80, 885, 320};
constexpr Rect kFilePanel{40, 350, 600, 440};
constexpr Rect kDefaultsPanel{640, 350, 885, 440};
constexpr Rgb kPanelFill{31, 34, 40};
constexpr double kGlyphScale = 0.72;

constexpr Rgb kDimGlyph{92, 98, 110};

QColor SupportGlyphColour(Face face)
{
    return TextOnFace(face, theme::kGlyph, kDimGlyph);
}

QPen GlyphPen(const QColor& colour, double width = 1.8)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawArrowHead(QPainter& p, QPointF tip, QPointF direction, double size)
{
    const QPointF side(-direction.y(), direction.x());
    p.drawPolyline(QPolygonF(
        {tip - direction * size + side * size, tip, tip - direction * size - side * size}));
}

// A chip with pins and an arrow up out of it: new firmware for the mouse.
void DrawChip(QPainter& p, QPointF c, double half, const QColor& colour)
{
    p.setPen(GlyphPen(colour, half / 5));
    p.setBrush(Qt::NoBrush);
    const QRectF body(c.x() - half, c.y() - half, 2 * half, 2 * half);
    p.drawRoundedRect(body, half / 5, half / 5);
    for (int i = -1; i <= 1; ++i) {
        const double at = i * half / 2;
        const double pin = half * 0.35;
        p.drawLine(QPointF(body.left() - pin, c.y() + at), QPointF(body.left(), c.y() + at));
        p.drawLine(QPointF(body.right(), c.y() + at), QPointF(body.right() + pin, c.y() + at));
    }
    p.drawLine(QPointF(c.x(), c.y() + half * 0.55), QPointF(c.x(), c.y() - half * 0.55));
    DrawArrowHead(p, QPointF(c.x(), c.y() - half * 0.55), QPointF(0, -1), half * 0.35);
}

void DrawGlobe(QPainter& p, QPointF c, double r, const QColor& colour)
{
    p.setPen(GlyphPen(colour, r / 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.drawEllipse(c, r * 0.42, r);
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    const double y = r * 0.5;
    const double w = r * 0.866;
    p.drawLine(QPointF(c.x() - w, c.y() - y), QPointF(c.x() + w, c.y() - y));
    p.drawLine(QPointF(c.x() - w, c.y() + y), QPointF(c.x() + w, c.y() + y));
}

// A document with an arrow into it (import) or out of it (export).
void DrawFileArrow(QPainter& p, QPointF c, double h, bool into, const QColor& colour)
{
    p.setPen(GlyphPen(colour, h / 10));
    p.setBrush(Qt::NoBrush);
    const double w = h * 0.72;
    const double fold = h * 0.25;
    const QRectF doc(c.x() - w / 2 - h * 0.2, c.y() - h / 2, w, h);
    QPainterPath page;
    page.moveTo(doc.topLeft());
    page.lineTo(doc.right() - fold, doc.top());
    page.lineTo(doc.right(), doc.top() + fold);
    page.lineTo(doc.bottomRight());
    page.lineTo(doc.bottomLeft());
    page.closeSubpath();
    p.drawPath(page);
    const double y = c.y() + h * 0.12;
    const QPointF inside(doc.center().x(), y);
    const QPointF outside(doc.right() + h * 0.45, y);
    p.drawLine(inside, outside);
    if (into) {
        DrawArrowHead(p, inside, QPointF(-1, 0), h * 0.2);
    } else {
        DrawArrowHead(p, outside, QPointF(1, 0), h * 0.2);
    }
}

// An arrow turning back on itself: the defaults again.
void DrawRestore(QPainter& p, QPointF c, double r, const QColor& colour)
{
    p.setPen(GlyphPen(colour, r / 5));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
    // Three quarters of a turn ending at the top, heading anticlockwise.
    p.drawArc(circle, 90 * 16, -270 * 16);
    DrawArrowHead(p, QPointF(c.x(), c.y() - r), QPointF(-1, 0), r * 0.45);
}

void DrawButtonGlyph(QPainter& p, sp::Control control, const Rect& r, Face face)
{
    const QColor colour = SupportGlyphColour(face);
    // In its square at the button's left, at the size it had on the original buttons.
    const QPointF c = RectF(sp::GlyphRect(r)).center();
    const double h = r.Height() * kGlyphScale;
    p.save();
    switch (control) {
    case sp::Control::Update:
        DrawChip(p, c, h * 0.27, colour);
        break;
    case sp::Control::WebSite:
        DrawGlobe(p, c, h * 0.3, colour);
        break;
    case sp::Control::Import:
        DrawFileArrow(p, c, h * 0.58, true, colour);
        break;
    case sp::Control::Export:
        DrawFileArrow(p, c, h * 0.58, false, colour);
        break;
    case sp::Control::Defaults:
        DrawRestore(p, c, h * 0.28, colour);
        break;
    case sp::Control::ProgramVersion:
    case sp::Control::FirmwareVersion:
        break;
    }
    p.restore();
}

void DrawPanel(QPainter& p, const Rect& r)
{
    p.save();
    p.setPen(QPen(Q(theme::kLine), 1));
    p.setBrush(Q(kPanelFill));
    p.drawRoundedRect(RectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.restore();
}

void DrawVersionWell(QPainter& p, const Rect& r)
{
    p.save();
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Q(sp::kVersionBackground));
    p.drawRoundedRect(RectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.restore();
}

// The large, faint globe fills the web panel's empty upper half. The other panels have none:
// beside their captioned buttons a second, larger copy of a button's glyph read as a disabled
// button.
void DrawPanelMarks(QPainter& p)
{
    const QColor faint(52, 57, 66);
    p.save();
    DrawGlobe(p, RectF(kWebPanel).center() - QPointF(0, 40), 52, faint);
    p.restore();
}

void DrawSupportPage(QPainter& p, Face face)
{
    const Size size = sp::kPageSize;
    p.fillRect(QRect(0, 0, size.width, size.height), Q(theme::kPanel));
    for (const Rect& panel : {kVersionsPanel, kWebPanel, kFilePanel, kDefaultsPanel}) {
        DrawPanel(p, panel);
    }
    DrawPanelMarks(p);
    DrawVersionWell(p, sp::kProgramVersionWell);
    DrawVersionWell(p, sp::kFirmwareVersionWell);
    for (const sp::ControlSpec& spec : sp::kControls) {
        const bool display = spec.control == sp::Control::ProgramVersion ||
                             spec.control == sp::Control::FirmwareVersion;
        // The version areas show as checked: their face is the pressed one, in every sheet.
        DrawFace(p, spec.rect, display ? Face::Pressed : face, 4);
        if (!display) {
            DrawButtonGlyph(p, spec.control, spec.rect, face);
        }
    }
}

} // namespace

void DrawSupportSheets(SkinWriter& writer)
{
    writer.Write(sp::kSheetNormal, sp::kPageSize,
                 [](QPainter& p) { DrawSupportPage(p, Face::Normal); });
    writer.Write(sp::kSheetOver, sp::kPageSize,
                 [](QPainter& p) { DrawSupportPage(p, Face::Hover); });
    writer.Write(sp::kSheetDown, sp::kPageSize,
                 [](QPainter& p) { DrawSupportPage(p, Face::Pressed); });
    writer.Write(sp::kSheetDisabled, sp::kPageSize,
                 [](QPainter& p) { DrawSupportPage(p, Face::Dim); });
}

} // namespace qx71::skins
