// The window icon (128) and the icons of the notification area's menu: exit (1011) and
// configure (1012).
#include "SkinWriter.h"
#include "Theme.h"

#include "core/widgets/SkinResources.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace qx71::skins {
namespace {

// An amber mouse on a graphite tile.
void DrawWindowIcon(QPainter& p)
{
    const double s = kWindowIconSize.width;
    p.setPen(QPen(Q(theme::kEdge), s / 32));
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, Q(theme::kHoverTop));
    tile.setColorAt(1, Q(theme::kWindowBottom));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.2, s * 0.2);
    const QRectF body(s * 0.3, s * 0.14, s * 0.4, s * 0.72);
    p.setPen(QPen(QColor(120, 80, 10), s / 40));
    QLinearGradient amber(0, body.top(), 0, body.bottom());
    amber.setColorAt(0, Q(theme::kAmberLight));
    amber.setColorAt(1, Q(theme::kAmberDark));
    p.setBrush(amber);
    p.drawRoundedRect(body, body.width() / 2, body.width() / 2);
    p.setPen(QPen(Q(theme::kWindowBottom), s / 28, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s / 2, body.top() + s * 0.04), QPointF(s / 2, body.top() + s * 0.26));
    p.drawLine(QPointF(body.left() + s * 0.02, body.top() + s * 0.3),
               QPointF(body.right() - s * 0.02, body.top() + s * 0.3));
}

void DrawExitIcon(QPainter& p)
{
    const QPointF c(8, 8.5);
    p.setPen(QPen(QColor(196, 52, 40), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 5.5, c.y() - 5.5, 11, 11), 120 * 16, 300 * 16);
    p.drawLine(QPointF(c.x(), 1.5), QPointF(c.x(), 8));
}

void DrawConfigIcon(QPainter& p)
{
    const QPointF c(8, 8);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double angle = i * std::numbers::pi / teeth;
        const double r = i % 2 == 0 ? 7.2 : 5.4;
        const QPointF at = c + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        i == 0 ? gear.moveTo(at) : gear.lineTo(at);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 2.4, 2.4);
    p.setPen(QPen(QColor(120, 80, 10), 0.8));
    p.setBrush(Q(theme::kAmber));
    p.drawPath(gear);
}

} // namespace

void DrawIconSheets(SkinWriter& writer)
{
    writer.Write(ResourceImage(kWindowIcon), kWindowIconSize, DrawWindowIcon);
    writer.Write(ResourceImage(kExitIcon), kMenuIconSize, DrawExitIcon);
    writer.Write(ResourceImage(kConfigIcon), kMenuIconSize, DrawConfigIcon);
}

} // namespace qx71::skins
