#include "gui/widgets/CPngHSliderBar.h"

#include "core/widgets/SliderMath.h"
#include "gui/widgets/CPngHSlider.h"
#include "gui/widgets/QtConvert.h"

#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {

CPngHSliderBar::CPngHSliderBar(const Rect& rect, const QPixmap& image, QWidget* parent, int id)
    : QWidget(parent), id_(id), image_(image)
{
    setGeometry(ToQRect(rect));
}

void CPngHSliderBar::SetImage(const QPixmap& image)
{
    image_ = image;
    update();
}

void CPngHSliderBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    painter.drawPixmap(rect(), image_);
}

void CPngHSliderBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled() || slider_ == nullptr) {
        return;
    }
    const int x = mapToParent(event->position().toPoint()).x();
    const int value =
        TrackClickValue(slider_->Range(), geometry().left(), geometry().left() + width(), x);
    slider_->SetValue(value);
    Q_EMIT moved(slider_->Value(), id_);
}

} // namespace qx71::gui
