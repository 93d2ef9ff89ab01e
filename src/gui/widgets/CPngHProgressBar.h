#pragma once

#include "core/widgets/Geometry.h"
#include "core/widgets/SliderMath.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace qx71::gui {

// A bar of two images: the background, and the fill drawn from the left to the width of the
// value. Read-only, or dragged like a slider (the value is reported when the drag ends).
class CPngHProgressBar : public QWidget {
    Q_OBJECT

public:
    CPngHProgressBar(const Rect& rect, QWidget* parent, int id = 0);

    int Id() const { return id_; }
    // The background is drawn stretched to the bar, or, given `backgroundSource`, cut from
    // the image at that rectangle (an image that is a whole dialog's background).
    void SetImages(const QPixmap& background, const QPixmap& fill,
                   std::optional<Rect> backgroundSource = std::nullopt);
    void SetRange(int min, int max);
    ValueRange Range() const { return range_; }
    // A value outside the range shows the minimum.
    void SetValue(int value);
    int Value() const { return value_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    int FillWidth() const;

Q_SIGNALS:
    // The 1104 notification: the value when a drag ends.
    void dragEnded(int value, int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DragTo(int x);

    int id_;
    QPixmap background_, fill_;
    ValueRange range_{0, 100};
    int value_ = 0;
    bool readOnly_ = false;
    bool dragging_ = false;
};

} // namespace qx71::gui
