#include "gui/widgets/CPngHSlider.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {

CPngHSlider::CPngHSlider(const QPixmap& thumb, SliderTrack track, int top, QWidget* parent, int id)
    : QWidget(parent), id_(id), thumb_(thumb), track_(track)
{
    const QSize size = thumb.isNull() ? QSize(track.thumbWidth, track.thumbWidth)
                                      : thumb.deviceIndependentSize().toSize();
    setGeometry(track.left, top, size.width(), size.height());
    if (!thumb.isNull() && thumb.hasAlpha()) {
        // The window is the thumb's opaque pixels.
        setMask(QBitmap::fromPixmap(thumb.mask().scaled(size)));
    }
    Place();
}

void CPngHSlider::SetRange(int min, int max)
{
    range_ = {min, max};
    lower_ = min;
    upper_ = max;
    value_ = ValueOrMinimum(range_, value_);
    Place();
}

void CPngHSlider::SetAllowedRange(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
}

void CPngHSlider::SetValue(int value)
{
    value_ = ValueOrMinimum(range_, value);
    Place();
}

void CPngHSlider::Place()
{
    move(SliderPositionOf(range_, track_, value_), y());
}

void CPngHSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    painter.drawPixmap(rect(), thumb_);
}

void CPngHSlider::DragTo(int left)
{
    const int maxLeft = track_.right - track_.thumbWidth;
    const int clampedLeft = std::clamp(left, track_.left, std::max(track_.left, maxLeft));
    const SubRangeValue allowed =
        ClampToSubRange(SliderValueAt(range_, track_, clampedLeft), lower_, upper_);
    value_ = allowed.value;
    move(allowed.clamped ? SliderPositionOf(range_, track_, value_) : clampedLeft, y());
    Q_EMIT moved(value_, id_);
}

void CPngHSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        return;
    }
    dragging_ = true;
    grabOffset_ = event->position().toPoint().x();
}

void CPngHSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_) {
        DragTo(mapToParent(event->position().toPoint()).x() - grabOffset_);
    }
}

void CPngHSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
}

void CPngHSlider::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        dragging_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace qx71::gui
