#include "gui/widgets/CPngHProgressBar.h"

#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {

CPngHProgressBar::CPngHProgressBar(const Rect& rect, QWidget* parent, int id)
    : QWidget(parent), id_(id)
{
    setGeometry(ToQRect(rect));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CPngHProgressBar::SetImages(const QPixmap& background, const QPixmap& fill,
                                 std::optional<Rect> backgroundSource)
{
    background_ = backgroundSource ? CutSheet(background, *backgroundSource) : background;
    fill_ = fill;
    update();
}

void CPngHProgressBar::SetRange(int min, int max)
{
    range_ = {min, max};
    value_ = ValueOrMinimum(range_, value_);
    update();
}

void CPngHProgressBar::SetValue(int value)
{
    value_ = ValueOrMinimum(range_, value);
    update();
}

int CPngHProgressBar::FillWidth() const
{
    return ProgressFillWidth(range_, 0, width(), value_);
}

void CPngHProgressBar::paintEvent(QPaintEvent*)
{
    // Composed off-screen and copied in one step.
    QPixmap frame(size() * devicePixelRatioF());
    frame.setDevicePixelRatio(devicePixelRatioF());
    frame.fill(Qt::transparent);
    {
        QPainter painter(&frame);
        if (!background_.isNull()) {
            painter.drawPixmap(rect(), background_);
        }
        const int fill = FillWidth();
        if (!fill_.isNull() && fill > 0) {
            // The fill image's left part, as much of it as the value covers.
            const qreal ratio = fill_.devicePixelRatio();
            const qreal sourceWidth = fill_.width() / ratio * fill / std::max(1, width());
            painter.drawPixmap(QRectF(0, 0, fill, height()), fill_,
                               QRectF(0, 0, sourceWidth * ratio, fill_.height()));
        }
    }
    QPainter(this).drawPixmap(0, 0, frame);
}

void CPngHProgressBar::DragTo(int x)
{
    value_ = ProgressValueAt(range_, 0, width(), x);
    repaint();
}

void CPngHProgressBar::mousePressEvent(QMouseEvent* event)
{
    if (readOnly_ || event->button() != Qt::LeftButton) {
        return;
    }
    dragging_ = true;
    DragTo(event->position().toPoint().x());
}

void CPngHProgressBar::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_) {
        DragTo(event->position().toPoint().x());
    }
}

void CPngHProgressBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton) {
        return;
    }
    dragging_ = false;
    DragTo(event->position().toPoint().x());
    Q_EMIT dragEnded(value_, id_);
}

} // namespace qx71::gui
