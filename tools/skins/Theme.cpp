#include "Theme.h"

#include "core/widgets/RegionShape.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace qx71::skins {
namespace {

struct FaceColours {
    Rgb top;
    Rgb bottom;
    Rgb border;
    Rgb highlight;
};

FaceColours ColoursOf(Face face)
{
    switch (face) {
    case Face::Dim:
        return {theme::kDimTop, theme::kDimBottom, theme::kEdge, theme::kDimTop};
    case Face::Hover:
        return {theme::kHoverTop, theme::kHoverBottom, theme::kEdge, {112, 122, 138}};
    case Face::Pressed:
        return {theme::kAmberLight, theme::kAmberDark, {120, 80, 10}, {255, 220, 150}};
    case Face::Normal:
        break;
    }
    return {theme::kFaceTop, theme::kFaceBottom, theme::kEdge, {74, 80, 92}};
}

QLinearGradient Vertical(const Rect& r, Rgb top, Rgb bottom)
{
    QLinearGradient g(0, r.top, 0, r.bottom);
    g.setColorAt(0, Q(top));
    g.setColorAt(1, Q(bottom));
    return g;
}

} // namespace

QColor Q(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

QRectF RectF(const Rect& r)
{
    return QRectF(r.left, r.top, r.Width(), r.Height());
}

QColor TextOnFace(Face face, Rgb normal, Rgb dim)
{
    switch (face) {
    case Face::Hover:
        return Q(kitcolours::kTextHover);
    case Face::Pressed:
        return Q(kitcolours::kTextPressed);
    case Face::Dim:
        return Q(dim);
    case Face::Normal:
        break;
    }
    return Q(normal);
}

QColor GlyphColour(Face face)
{
    return TextOnFace(face, theme::kGlyph, theme::kGlyph);
}

void FillBackground(QPainter& p, const Rect& area, int windowHeight)
{
    p.fillRect(QRect(area.left, area.top, area.Width(), area.Height()),
               Vertical({0, 0, 0, windowHeight}, theme::kWindowTop, theme::kWindowBottom));
}

void DrawFace(QPainter& p, const Rect& r, Face face, int radius)
{
    const FaceColours c = ColoursOf(face);
    p.save();
    const QRectF outer(r.left + 0.5, r.top + 0.5, r.Width() - 1.0, r.Height() - 1.0);
    p.setPen(QPen(Q(c.border), 1));
    p.setBrush(Vertical(r, c.top, c.bottom));
    p.drawRoundedRect(outer, radius, radius);
    p.setPen(QPen(Q(c.highlight), 1));
    p.drawLine(QPointF(r.left + radius + 0.5, r.top + 1.5),
               QPointF(r.right - radius - 0.5, r.top + 1.5));
    p.restore();
}

QRegion RegionOf(std::span<const Point> corners)
{
    QRegion region;
    for (const Rect& span : PolygonSpans(corners)) {
        region += QRect(span.left, span.top, span.Width(), 1);
    }
    return region;
}

void DrawRegionFace(QPainter& p, std::span<const Point> corners, Face face)
{
    const FaceColours c = ColoursOf(face);
    const QRegion region = RegionOf(corners);
    const Rect box = BoundingRectOf(corners);
    // The border: the region's pixels with a neighbour outside it.
    QRegion inner = region;
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        inner &= region.translated(d);
    }
    p.save();
    p.setClipRegion(region);
    p.fillRect(QRect(box.left, box.top, box.Width(), box.Height()), Vertical(box, c.top, c.bottom));
    p.setClipRegion(region - inner);
    p.fillRect(QRect(box.left, box.top, box.Width(), box.Height()), Q(c.border));
    p.setClipRegion(inner - inner.translated(0, 1));
    p.fillRect(QRect(box.left, box.top, box.Width(), box.Height()), Q(c.highlight));
    p.restore();
}

void DrawSlateFace(QPainter& p, const Rect& r, SlateFace face)
{
    Rgb fill = theme::kSlateFace;
    Rgb border = theme::kSlateBorder;
    if (face == SlateFace::Hover) {
        fill = theme::kBlueHover;
        border = {8, 60, 86};
    } else if (face == SlateFace::Pressed) {
        fill = theme::kBluePressed;
        border = {4, 40, 60};
    }
    p.save();
    p.setPen(QPen(Q(border), 1));
    p.setBrush(Q(fill));
    p.drawRoundedRect(QRectF(r.left + 0.5, r.top + 0.5, r.Width() - 1.0, r.Height() - 1.0), 3, 3);
    p.restore();
}

} // namespace qx71::skins
