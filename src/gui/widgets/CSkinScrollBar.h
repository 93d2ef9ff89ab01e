#pragma once

#include "core/widgets/Geometry.h"
#include "core/widgets/ScrollRepeat.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace qx71::gui {

// A scroll bar drawn from one skin sheet: arrows, track and thumb cut from it. Arrow presses
// step at once and repeat after a delay while held; dragging the thumb reports the track and
// the final position. Reports go out as scrolled(code, position, id).
class CSkinScrollBar : public QWidget {
    Q_OBJECT

public:
    CSkinScrollBar(Qt::Orientation orientation, const QPixmap& sheet, QWidget* parent, int id = 0);

    int Id() const { return id_; }
    Qt::Orientation Orientation() const { return orientation_; }
    void SetRange(int minimum, int maximum, int page);
    void SetPosition(int position);
    int Position() const { return position_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Page() const { return page_; }

    // The parts of the bar, in its own coordinates.
    QRect LineUpRect() const;
    QRect LineDownRect() const;
    QRect ThumbRect() const;

    QTimer& DelayTimer() { return delay_; }
    QTimer& RepeatTimer() { return repeat_; }

Q_SIGNALS:
    void scrolled(int code, int position, int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Part { None, LineUp, LineDown, PageUp, PageDown, Thumb };
    Part PartAt(QPoint p) const;
    int Along(QPoint p) const;
    int TrackLength() const;
    void Step();
    void Apply(const ScrollRepeat::Actions& actions);

    int id_;
    Qt::Orientation orientation_;
    QPixmap sheet_;
    int minimum_ = 0;
    int maximum_ = 0;
    int page_ = 0;
    int position_ = 0;
    Part pressed_ = Part::None;
    bool overPressed_ = false;
    int dragOffset_ = 0;
    ScrollRepeat repeatModel_;
    QTimer delay_;
    QTimer repeat_;
};

} // namespace qx71::gui
