// The flags of the twelve languages: 37 x 22 bitmaps for the main window's indicator
// (142..153) and 19 x 11 images for the language menu's items (130..141).
#include "SkinWriter.h"
#include "Theme.h"

#include "core/widgets/SkinResources.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace qx71::skins {
namespace {

using Stripes = std::initializer_list<QColor>;

void Horizontal(QPainter& p, const QRectF& r, Stripes colours)
{
    const double h = r.height() / static_cast<double>(colours.size());
    double y = r.top();
    for (const QColor& c : colours) {
        p.fillRect(QRectF(r.left(), y, r.width(), h + 0.01), c);
        y += h;
    }
}

void Vertical(QPainter& p, const QRectF& r, Stripes colours)
{
    const double w = r.width() / static_cast<double>(colours.size());
    double x = r.left();
    for (const QColor& c : colours) {
        p.fillRect(QRectF(x, r.top(), w + 0.01, r.height()), c);
        x += w;
    }
}

void Star(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = i % 2 == 0 ? radius : radius * 0.4;
        star << centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(star);
}

void UnionFlag(QPainter& p, const QRectF& r)
{
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(r, blue);
    p.save();
    p.setClipRect(r);
    const double w = r.height() / 5;
    p.setPen(QPen(Qt::white, w));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(red, w / 2.5));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.restore();
    const QPointF c = r.center();
    p.fillRect(QRectF(r.left(), c.y() - w, r.width(), 2 * w), Qt::white);
    p.fillRect(QRectF(c.x() - w, r.top(), 2 * w, r.height()), Qt::white);
    p.fillRect(QRectF(r.left(), c.y() - w / 1.6, r.width(), 2 * w / 1.6), red);
    p.fillRect(QRectF(c.x() - w / 1.6, r.top(), 2 * w / 1.6, r.height()), red);
}

// languageId 1..12: Simplified Chinese, English, French, Korean, German, Italian, Spanish,
// Dutch, Portuguese, Russian, Ukrainian, Traditional Chinese.
void DrawFlag(QPainter& p, int languageId, const QRectF& r)
{
    const QColor red(222, 41, 16), white(Qt::white);
    switch (languageId) {
    case 1:
        p.fillRect(r, red);
        Star(p, r.topLeft() + QPointF(r.width() * 0.17, r.height() * 0.3), r.height() * 0.2,
             QColor(255, 222, 0));
        for (int i = 0; i < 4; ++i) {
            const QPointF at(r.width() * (0.33 + (i % 2 == 0 ? 0.0 : 0.05)),
                             r.height() * (0.1 + i * 0.12));
            Star(p, r.topLeft() + at, r.height() * 0.07, QColor(255, 222, 0));
        }
        break;
    case 2:
        UnionFlag(p, r);
        break;
    case 3:
        Vertical(p, r, {QColor(0, 35, 149), white, QColor(237, 41, 57)});
        break;
    case 4: {
        p.fillRect(r, white);
        const QPointF c = r.center();
        const double radius = r.height() * 0.25;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(205, 46, 58));
        p.drawPie(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), 0, 180 * 16);
        p.setBrush(QColor(0, 71, 160));
        p.drawPie(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), 180 * 16,
                  180 * 16);
        p.setPen(QPen(Qt::black, std::max(0.6, r.height() / 22)));
        const double bar = r.width() * 0.09;
        for (const double x : {r.left() + r.width() * 0.12, r.right() - r.width() * 0.12 - bar}) {
            for (const double y : {r.top() + r.height() * 0.22, r.bottom() - r.height() * 0.22}) {
                p.drawLine(QPointF(x, y), QPointF(x + bar, y));
            }
        }
        break;
    }
    case 5:
        Horizontal(p, r, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)});
        break;
    case 6:
        Vertical(p, r, {QColor(0, 146, 70), white, QColor(206, 43, 55)});
        break;
    case 7:
        Horizontal(
            p, r,
            {QColor(170, 21, 27), QColor(241, 191, 0), QColor(241, 191, 0), QColor(170, 21, 27)});
        break;
    case 8:
        Horizontal(p, r, {QColor(174, 28, 40), white, QColor(33, 70, 139)});
        break;
    case 9: {
        const QRectF green(r.left(), r.top(), r.width() * 0.4, r.height());
        p.fillRect(r, QColor(255, 0, 0));
        p.fillRect(green, QColor(0, 102, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 204, 0));
        p.drawEllipse(QPointF(green.right(), r.center().y()), r.height() * 0.22, r.height() * 0.22);
        break;
    }
    case 10:
        Horizontal(p, r, {white, QColor(0, 57, 166), QColor(213, 43, 30)});
        break;
    case 11:
        Horizontal(p, r, {QColor(0, 87, 183), QColor(255, 215, 0)});
        break;
    case 12: {
        p.fillRect(r, QColor(254, 0, 0));
        const QRectF canton(r.left(), r.top(), r.width() / 2, r.height() / 2);
        p.fillRect(canton, QColor(0, 0, 149));
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        p.drawEllipse(canton.center(), canton.height() * 0.28, canton.height() * 0.28);
        break;
    }
    default:
        break;
    }
}

void DrawFramedFlag(QPainter& p, int languageId, Size size)
{
    const QRectF r(0, 0, size.width, size.height);
    DrawFlag(p, languageId, r);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace

void DrawFlagSheets(SkinWriter& writer)
{
    for (int id = 1; id <= kLanguageCount; ++id) {
        writer.Write(ResourceBitmap(FlagBitmapOf(id)), kFlagBitmapSize,
                     [id](QPainter& p) { DrawFramedFlag(p, id, kFlagBitmapSize); });
        writer.Write(ResourceImage(FlagIconOf(id)), kFlagIconSize,
                     [id](QPainter& p) { DrawFramedFlag(p, id, kFlagIconSize); });
    }
}

} // namespace qx71::skins
