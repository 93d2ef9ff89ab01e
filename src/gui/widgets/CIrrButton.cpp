#include "gui/widgets/CIrrButton.h"

#include "core/widgets/KitColours.h"
#include "core/widgets/RegionShape.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/FittedText.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {

CIrrButton::CIrrButton(std::span<const Point> corners, QWidget* parent, int id)
    : QWidget(parent), id_(id), corners_(corners.begin(), corners.end()),
      box_(BoundingRectOf(corners)), textNormal_(ToQColor(kitcolours::kTextNormal)),
      textHover_(ToQColor(kitcolours::kTextHover)), textPressed_(ToQColor(kitcolours::kTextPressed))
{
    setGeometry(ToQRect(box_));
    for (const Rect& span : PolygonSpans(corners_)) {
        region_ += QRect(span.left - box_.left, span.top - box_.top, span.Width(), 1);
    }
    setMask(region_);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setFont(ShellDlgFont(kKitTextHeight));
}

void CIrrButton::SetSheets(const QPixmap& normalSheet, const QPixmap& hoverSheet,
                           const QPixmap& pressedSheet, const QPixmap& disabledSheet)
{
    normal_ = CutSheet(normalSheet, box_);
    hover_ = CutSheet(hoverSheet, box_);
    pressed_ = CutSheet(pressedSheet, box_);
    disabled_ = CutSheet(disabledSheet, box_);
    update();
}

void CIrrButton::SetCaption(const QString& caption)
{
    caption_ = caption;
    if (toolTip().isEmpty()) {
        setAccessibleName(caption);
    }
    update();
}

void CIrrButton::SetSelected(bool selected)
{
    selected_ = selected;
    update();
}

void CIrrButton::SetTextColours(const QColor& normal, const QColor& hover, const QColor& pressed)
{
    textNormal_ = normal;
    textHover_ = hover;
    textPressed_ = pressed;
    update();
}

void CIrrButton::SetToolTipText(const QString& text)
{
    setToolTip(text);
    setAccessibleName(text.isEmpty() ? caption_ : text);
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
    QColor colour = textNormal_;
    if (!isEnabled()) {
        image = disabled_.isNull() ? &normal_ : &disabled_;
        colour = ToQColor(kitcolours::kTextDisabled);
    } else if (selected_ || pressedDown_) {
        image = &pressed_;
        colour = textPressed_;
    } else if (hovering_) {
        image = &hover_;
        colour = textHover_;
    }
    if (!image->isNull()) {
        painter.drawPixmap(0, 0, *image);
    }
    if (caption_.isEmpty()) {
        return;
    }
    const Point anchor =
        CaptionAnchor(RegionCentre({width(), height()}), static_cast<int>(caption_.size()));
    const FittedText fitted = FitText(caption_, font(), width() - 2 * kCaptionMargin);
    const QFontMetrics metrics(fitted.font);
    const int left = CaptionLeft(anchor.x, metrics.horizontalAdvance(fitted.text), width());
    painter.setFont(fitted.font);
    painter.setPen(colour);
    painter.drawText(QRect(left, anchor.y, width() * 2, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, fitted.text);
}

void CIrrButton::SetHovering(bool hovering)
{
    if (hovering_ != hovering) {
        hovering_ = hovering;
        repaint();
    }
}

void CIrrButton::mouseMoveEvent(QMouseEvent* event)
{
    SetHovering(Hit(event->position().toPoint()));
}

void CIrrButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !Hit(event->position().toPoint())) {
        return;
    }
    pressedDown_ = true;
    hovering_ = true;
    repaint();
}

void CIrrButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click is one more press, never lost and never counted twice.
    mousePressEvent(event);
}

void CIrrButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressedDown_) {
        return;
    }
    pressedDown_ = false;
    const bool inside = Hit(event->position().toPoint());
    hovering_ = inside;
    repaint();
    if (inside) {
        Q_EMIT clicked(id_);
    }
}

void CIrrButton::leaveEvent(QEvent*)
{
    if (!pressedDown_) {
        SetHovering(false);
    }
}

void CIrrButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        pressedDown_ = false;
        hovering_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace qx71::gui
