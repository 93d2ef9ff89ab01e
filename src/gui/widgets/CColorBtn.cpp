#include "gui/widgets/CColorBtn.h"

#include "gui/widgets/QtConvert.h"

#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {
namespace {

const QColor kFrame(12, 13, 16);
const QColor kHoverFrame(255, 255, 255);
const QColor kPressedFrame(240, 170, 40);

} // namespace

CColorBtn::CColorBtn(const Rect& rect, QWidget* parent, int id) : QWidget(parent), id_(id)
{
    setGeometry(ToQRect(rect));
    setMouseTracking(true);
}

void CColorBtn::SetColour(const QColor& colour)
{
    colour_ = colour;
    setAccessibleName(colour.name());
    update();
}

void CColorBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    painter.setPen(pressed_ ? kPressedFrame : hovering_ ? kHoverFrame : kFrame);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hovering_ || pressed_) {
        painter.setPen(kFrame);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void CColorBtn::mouseMoveEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != hovering_) {
        hovering_ = inside;
        repaint();
    }
}

void CColorBtn::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        if (QWidget* top = window(); top != this) {
            top->activateWindow();
        }
        pressed_ = true;
        hovering_ = true;
        repaint();
    }
}

void CColorBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_) {
        return;
    }
    pressed_ = false;
    hovering_ = rect().contains(event->position().toPoint());
    repaint();
    if (hovering_) {
        Q_EMIT clicked(id_);
    }
}

void CColorBtn::leaveEvent(QEvent*)
{
    if (!pressed_ && hovering_) {
        hovering_ = false;
        repaint();
    }
}

} // namespace qx71::gui
