#include "gui/widgets/CIrrButton.h"

#include "core/widgets/RegionShape.h"
#include "gui/widgets/FittedText.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

#include <QFontMetrics>
#include <QPainter>

namespace qx71::gui {

CIrrButton::CIrrButton(std::span<const Point> corners, QWidget* parent, int id)
    : CSkinButton(parent, id), corners_(corners.begin(), corners.end()),
      box_(BoundingRectOf(corners))
{
    setGeometry(ToQRect(box_));
    for (const Rect& span : PolygonSpans(corners_)) {
        region_ += QRect(span.left - box_.left, span.top - box_.top, span.Width(), 1);
    }
    setMask(region_);
}

void CIrrButton::SetSheets(const QPixmap& normalSheet, const QPixmap& hoverSheet,
                           const QPixmap& pressedSheet, const QPixmap& disabledSheet)
{
    CutSheets({{normalSheet, normal_},
               {hoverSheet, hover_},
               {pressedSheet, pressed_},
               {disabledSheet, disabled_}},
              box_);
    update();
}

void CIrrButton::ReleaseImages()
{
    for (QPixmap* image : {&normal_, &hover_, &pressed_, &disabled_}) {
        *image = QPixmap();
    }
}

void CIrrButton::SetSelected(bool selected)
{
    selected_ = selected;
    update();
}

bool CIrrButton::Hit(const QPoint& local) const
{
    return RegionHit(corners_, FromQPoint(local));
}

void CIrrButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setClipRegion(region_);
    const QPixmap* image = &normal_;
    ButtonTextColour colour = ButtonTextColour::Normal;
    if (!isEnabled()) {
        image = disabled_.isNull() ? &normal_ : &disabled_;
        colour = ButtonTextColour::Disabled;
    } else if (selected_ || IsPressedDown()) {
        image = &pressed_;
        colour = ButtonTextColour::Pressed;
    } else if (IsHovering()) {
        image = &hover_;
        colour = ButtonTextColour::Hover;
    }
    if (!image->isNull()) {
        painter.drawPixmap(0, 0, *image);
    }
    const QString& caption = Caption();
    if (caption.isEmpty()) {
        return;
    }
    const Point anchor =
        CaptionAnchor(RegionCentre({width(), height()}), static_cast<int>(caption.size()));
    const FittedText fitted = FitText(caption, font(), width() - 2 * kCaptionMargin);
    const QFontMetrics metrics(fitted.font);
    const int left = CaptionLeft(anchor.x, metrics.horizontalAdvance(fitted.text), width());
    painter.setFont(fitted.font);
    painter.setPen(TextColour(colour));
    painter.drawText(QRect(left, anchor.y, width() * 2, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, fitted.text);
}

} // namespace qx71::gui
