// The timed message box: background, hover and pressed sheets of both styles (1004..1009),
// each 330 x 160: a dark panel under a title band, the close cross and the button faces; and
// the three signs the box draws beside its message (warning, information, question).
#include "SkinWriter.h"
#include "Theme.h"

#include "core/widgets/InfoBoxModel.h"
#include "core/widgets/SkinResources.h"
#include "gui/widgets/SkinFont.h"

namespace qx71::skins {
namespace {

namespace ib = infobox;

constexpr int kTitleBandBottom = 30;
constexpr Rgb kInformationBlue{16, 104, 146};
constexpr Rgb kInformationRing{40, 150, 200};

void DrawCross(QPainter& p, Face face)
{
    const Rect r = ib::kCloseButton;
    p.save();
    if (face != Face::Normal) {
        DrawFace(p, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, face);
    }
    p.setPen(QPen(GlyphColour(face), 1.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF c((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    p.restore();
}

void DrawBox(QPainter& p, ib::Style style, Face face)
{
    const Size size = ib::kSize;
    FillBackground(p, {0, 0, size.width, size.height}, size.height);
    p.fillRect(QRect(0, 0, size.width, kTitleBandBottom), Q(theme::kWell));
    p.fillRect(QRect(0, kTitleBandBottom, size.width, 2), Q(theme::kAmber));
    p.setPen(QPen(Q(theme::kEdge), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width - 1.0, size.height - 1.0));
    DrawCross(p, face);
    DrawFace(p, ib::OkButtonOf(style), face);
    if (style == ib::Style::OkCancel) {
        DrawFace(p, ib::kCancelButton, face);
    }
}

// The signs, drawn in a 48 x 48 square.
void DrawWarningSign(QPainter& p)
{
    p.save();
    const QPolygonF triangle({QPointF(24, 3), QPointF(46, 43), QPointF(2, 43)});
    p.setPen(QPen(QColor(150, 96, 10), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Q(theme::kAmber));
    p.drawPolygon(triangle);
    p.setPen(QPen(Q(kitcolours::kTextPressed), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 17), QPointF(24, 30));
    p.drawPoint(QPointF(24, 37));
    p.restore();
}

void DrawRoundSign(QPainter& p, const QString& glyph)
{
    p.save();
    p.setPen(QPen(Q(kInformationRing), 2));
    p.setBrush(Q(kInformationBlue));
    p.drawEllipse(QRectF(4, 4, 40, 40));
    QFont font = gui::ShellDlgFont(28);
    font.setWeight(QFont::Bold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 4, 40, 40), Qt::AlignCenter, glyph);
    p.restore();
}

} // namespace

void DrawInfoBoxSheets(SkinWriter& writer)
{
    for (const ib::Style style : {ib::Style::OkOnly, ib::Style::OkCancel}) {
        const ib::StyleImages images = ib::ImagesOf(style);
        const std::pair<int, Face> sheets[] = {{images.background, Face::Normal},
                                               {images.hover, Face::Hover},
                                               {images.pressed, Face::Pressed}};
        for (const auto& [number, face] : sheets) {
            writer.Write(ResourceBitmap(number), ib::kSize,
                         [style, face](QPainter& p) { DrawBox(p, style, face); });
        }
    }
    const Size sign{ib::kIconBox.Width(), ib::kIconBox.Height()};
    writer.Write(ib::IconImageOf(ib::Icon::Warning), sign, DrawWarningSign);
    writer.Write(ib::IconImageOf(ib::Icon::Information), sign,
                 [](QPainter& p) { DrawRoundSign(p, QStringLiteral("i")); });
    writer.Write(ib::IconImageOf(ib::Icon::Question), sign,
                 [](QPainter& p) { DrawRoundSign(p, QStringLiteral("?")); });
}

} // namespace qx71::skins
