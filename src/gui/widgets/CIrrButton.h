#pragma once

#include "core/widgets/Geometry.h"

#include <QColor>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <span>
#include <vector>

namespace qx71::gui {

// A button shaped by a polygon: its window is the polygon's bounding box, clickable and drawn
// only inside the polygon. Its images are cut from sheets the size of the page at the
// button's own place, and its caption is drawn at the anchor of the region's centre.
class CIrrButton : public QWidget {
    Q_OBJECT

public:
    // The corners in the parent's coordinates.
    CIrrButton(std::span<const Point> corners, QWidget* parent, int id = 0);

    int Id() const { return id_; }

    // Page-sized sheets; the disabled one may be null (the normal image then serves).
    void SetSheets(const QPixmap& normalSheet, const QPixmap& hoverSheet,
                   const QPixmap& pressedSheet, const QPixmap& disabledSheet);
    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }
    // A selected button shows its pressed image.
    void SetSelected(bool selected);
    bool IsSelected() const { return selected_; }
    void SetTextColours(const QColor& normal, const QColor& hover, const QColor& pressed);
    void SetToolTipText(const QString& text);

    bool IsHovering() const { return hovering_; }
    // The region, in the button's own coordinates.
    const QRegion& Region() const { return region_; }

Q_SIGNALS:
    void clicked(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool Hit(const QPoint& local) const;
    void SetHovering(bool hovering);

    int id_;
    std::vector<Point> corners_; // in the parent's coordinates
    Rect box_;
    QRegion region_;
    QPixmap normal_, hover_, pressed_, disabled_;
    QString caption_;
    bool selected_ = false;
    bool hovering_ = false;
    bool pressedDown_ = false;
    QColor textNormal_, textHover_, textPressed_;
};

} // namespace qx71::gui
