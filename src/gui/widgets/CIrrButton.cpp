#include "gui/widgets/CIrrButton.h"

#include "core/widgets/ButtonLook.h"
#include "core/widgets/KitColours.h"
#include "core/widgets/RegionShape.h"
#include "gui/widgets/FittedText.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

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

void CIrrButton::SetHoverSheet(const QPixmap& hoverSheet)
{
    hover_ = CutSheet(hoverSheet, box_);
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
    const ButtonLook look =
        ChooseRegionLook({isEnabled(), IsHovering(), IsPressedDown(), selected_});
    const QPixmap* image = &normal_;
    switch (look.image) {
    case ButtonImage::Disabled:
        image = disabled_.isNull() ? &normal_ : &disabled_;
        break;
    case ButtonImage::Pressed:
        image = &pressed_;
        break;
    case ButtonImage::Hover:
        image = hover_.isNull() ? &normal_ : &hover_;
        break;
    default:
        break;
    }
    if (!image->isNull()) {
        painter.drawPixmap(0, 0, *image);
    }
    if (look.dimMark) {
        // The region's edge, two pixels wide, in the dimmed mark colour.
        QRegion inner = region_;
        for (const QPoint d : {QPoint(2, 0), QPoint(-2, 0), QPoint(0, 2), QPoint(0, -2)}) {
            inner &= region_.translated(d);
        }
        painter.save();
        painter.setClipRegion(region_ - inner);
        painter.fillRect(rect(), ToQColor(kitcolours::kTextDisabledMark));
        painter.restore();
    }
    painter.setPen(TextColour(look.text));
    for (const TextLayout& text : TextLayouts()) {
        DrawTextLayout(painter, text);
    }
}

std::vector<TextLayout> CIrrButton::TextLayouts() const
{
    const QString& caption = Caption();
    if (caption.isEmpty()) {
        return {};
    }
    const Point anchor =
        CaptionAnchor(RegionCentre({width(), height()}), static_cast<int>(caption.size()));
    const int lineHeight = QFontMetrics(font()).size(Qt::TextSingleLine, caption).height();
    const Rect band = InnerBand(CornersAtOrigin(corners_), anchor.y, anchor.y + lineHeight);
    const FittedText fitted = FitText(caption, font(), band.Width() - 2 * kCaptionInset);
    const int textWidth = QFontMetrics(fitted.font).size(Qt::TextSingleLine, fitted.text).width();
    const int left = CaptionLeft(anchor.x, textWidth, band.left, band.right);
    return {{caption, caption, fitted.text, fitted.font,
             QRect(left, anchor.y, std::max(0, band.right - kCaptionInset - left), lineHeight),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QColor()}};
}

} // namespace qx71::gui
