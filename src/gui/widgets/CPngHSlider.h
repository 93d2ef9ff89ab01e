#pragma once

#include "core/widgets/SliderMath.h"

#include <QPixmap>
#include <QWidget>

namespace qx71::gui {

// A slider's thumb: a small window shaped by the thumb image's opaque pixels that moves along
// a track of its parent. Dragging it reports every new value (the 2048 notification).
class CPngHSlider : public QWidget {
    Q_OBJECT

public:
    // `track` in the parent's coordinates; the thumb's top is `top`.
    CPngHSlider(const QPixmap& thumb, SliderTrack track, int top, QWidget* parent, int id = 0);

    int Id() const { return id_; }
    void SetRange(int min, int max);
    ValueRange Range() const { return range_; }
    // The part of the range the thumb may reach (the whole range at first).
    void SetAllowedRange(int lower, int upper);
    // A value outside [min, max] sets the minimum.
    void SetValue(int value);
    int Value() const { return value_; }
    SliderTrack Track() const { return track_; }
    bool IsDragging() const { return dragging_; }

Q_SIGNALS:
    void moved(int value, int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Place();
    void DragTo(int left);

    int id_;
    QPixmap thumb_;
    SliderTrack track_;
    ValueRange range_{0, 100};
    int lower_ = 0;
    int upper_ = 100;
    int value_ = 0;
    bool dragging_ = false;
    int grabOffset_ = 0;
};

} // namespace qx71::gui
