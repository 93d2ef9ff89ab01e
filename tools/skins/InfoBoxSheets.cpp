// The timed message box: background, hover and pressed sheets of both styles (1004..1009),
// each 330 x 160: a light slate panel with its frame, a warning sign, the close cross and the
// button faces.
#include "SkinWriter.h"
#include "Theme.h"

#include "core/widgets/InfoBoxModel.h"
#include "core/widgets/SkinResources.h"
#include "gui/widgets/SkinFont.h"

namespace qx71::skins {
namespace {

namespace ib = infobox;

void DrawWarningSign(QPainter& p)
{
    p.save();
    const QPolygonF triangle({QPointF(52, 52), QPointF(76, 94), QPointF(28, 94)});
    p.setPen(QPen(QColor(150, 96, 10), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Q(theme::kAmber));
    p.drawPolygon(triangle);
    p.setPen(QPen(Q(kitcolours::kTextPressed), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 66), QPointF(52, 80));
    p.drawPoint(QPointF(52, 87.5));
    p.restore();
}

void DrawCross(QPainter& p, ib::Style, SlateFace face)
{
    const Rect r = ib::kCloseButton;
    p.save();
    if (face != SlateFace::Normal) {
        p.setPen(Qt::NoPen);
        p.setBrush(Q(face == SlateFace::Hover ? theme::kBlueHover : theme::kBluePressed));
        p.drawRect(QRectF(r.left, r.top + 1, r.Width() - 1, r.Height() - 1));
    }
    p.setPen(QPen(face == SlateFace::Normal ? Q(kitcolours::kSlateText) : QColor(Qt::white), 1.8,
                  Qt::SolidLine, Qt::RoundCap));
    const QPointF c((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    p.restore();
}

void DrawBox(QPainter& p, ib::Style style, SlateFace face)
{
    const Size size = ib::kSize;
    p.fillRect(QRect(0, 0, size.width, size.height), Q(theme::kSlatePanel));
    // Title band line and the frame.
    p.fillRect(QRect(1, 30, size.width - 2, 2), Q(theme::kAmber));
    p.setPen(QPen(Q(theme::kSlateBorder), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width - 1.0, size.height - 1.0));
    DrawWarningSign(p);
    DrawCross(p, style, face);
    DrawSlateFace(p, ib::OkButtonOf(style), face);
    if (style == ib::Style::OkCancel) {
        DrawSlateFace(p, ib::kCancelButton, face);
    }
}

} // namespace

void DrawInfoBoxSheets(SkinWriter& writer)
{
    for (const ib::Style style : {ib::Style::OkOnly, ib::Style::OkCancel}) {
        const ib::StyleImages images = ib::ImagesOf(style);
        const std::pair<int, SlateFace> sheets[] = {{images.background, SlateFace::Normal},
                                                    {images.hover, SlateFace::Hover},
                                                    {images.pressed, SlateFace::Pressed}};
        for (const auto& [number, face] : sheets) {
            writer.Write(ResourceBitmap(number), ib::kSize,
                         [style, face](QPainter& p) { DrawBox(p, style, face); });
        }
    }
}

} // namespace qx71::skins
