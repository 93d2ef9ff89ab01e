#pragma once

#include "core/widgets/Geometry.h"

#include <QColor>
#include <QWidget>

namespace qx71::gui {

// A colour swatch that acts as a button: the colour filled and framed, a lighter frame while
// hovered, hover and capture as the bitmap button has them.
class CColorBtn : public QWidget {
    Q_OBJECT

public:
    CColorBtn(const Rect& rect, QWidget* parent, int id = 0);

    int Id() const { return id_; }
    void SetColour(const QColor& colour);
    const QColor& Colour() const { return colour_; }
    bool IsHovering() const { return hovering_; }

Q_SIGNALS:
    void clicked(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int id_;
    QColor colour_ = Qt::black;
    bool hovering_ = false;
    bool pressed_ = false;
};

} // namespace qx71::gui
