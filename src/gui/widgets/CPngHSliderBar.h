#pragma once

#include "core/widgets/Geometry.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace qx71::gui {

class CPngHSlider;

// The track under a slider: an image drawn to the control's size. A click on it moves the
// slider to the value under the click (with the snaps of the short ranges) and is reported
// like a thumb move; a disabled track ignores clicks.
class CPngHSliderBar : public QWidget {
    Q_OBJECT

public:
    CPngHSliderBar(const Rect& rect, const QPixmap& image, QWidget* parent, int id = 0);

    int Id() const { return id_; }
    void SetSlider(CPngHSlider* slider) { slider_ = slider; }
    void SetImage(const QPixmap& image);

Q_SIGNALS:
    void moved(int value, int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int id_;
    QPixmap image_;
    QPointer<CPngHSlider> slider_;
};

} // namespace qx71::gui
