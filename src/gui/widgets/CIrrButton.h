#pragma once

#include "core/widgets/Geometry.h"
#include "gui/widgets/CSkinButton.h"

#include <QPixmap>
#include <QRegion>

#include <span>
#include <vector>

namespace qx71::gui {

// A button shaped by a polygon: its window is the polygon's bounding box, clickable and drawn
// only inside the polygon. Its images are cut from sheets the size of the page at the
// button's own place, and its caption is drawn at the anchor of the region's centre.
class CIrrButton : public CSkinButton {
    Q_OBJECT

public:
    // The corners in the parent's coordinates.
    CIrrButton(std::span<const Point> corners, QWidget* parent, int id = 0);

    // Page-sized sheets; the disabled one may be null (the normal image then serves).
    void SetSheets(const QPixmap& normalSheet, const QPixmap& hoverSheet,
                   const QPixmap& pressedSheet, const QPixmap& disabledSheet);
    // The hover sheet given after the others: the window loads it once it has shown. Until
    // then the normal image serves while the pointer is over the button.
    void SetHoverSheet(const QPixmap& hoverSheet);
    // Lets go of the four images; the button draws nothing until it is given them again.
    void ReleaseImages();
    // A selected button shows its pressed image.
    void SetSelected(bool selected);
    bool IsSelected() const { return selected_; }

    // The region, in the button's own coordinates.
    const QRegion& Region() const { return region_; }
    // The caption as it is drawn.
    std::vector<TextLayout> TextLayouts() const override;

protected:
    // Only inside the polygon.
    bool Hit(const QPoint& local) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Point> corners_; // in the parent's coordinates
    Rect box_;
    QRegion region_;
    QPixmap normal_, hover_, pressed_, disabled_;
    bool selected_ = false;
};

} // namespace qx71::gui
