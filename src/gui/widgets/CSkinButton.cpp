#include "gui/widgets/CSkinButton.h"

#include "core/widgets/KitColours.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"

#include <QMouseEvent>

namespace qx71::gui {

CSkinButton::CSkinButton(QWidget* parent, int id)
    : QWidget(parent), id_(id), textNormal_(ToQColor(kitcolours::kTextNormal)),
      textHover_(ToQColor(kitcolours::kTextHover)), textPressed_(ToQColor(kitcolours::kTextPressed))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setFont(ShellDlgFont(kKitTextHeight));
}

void CSkinButton::SetCaption(const QString& caption)
{
    caption_ = caption;
    if (toolTip().isEmpty()) {
        setAccessibleName(caption);
    }
    update();
}

void CSkinButton::SetTextColours(const QColor& normal, const QColor& hover, const QColor& pressed)
{
    textNormal_ = normal;
    textHover_ = hover;
    textPressed_ = pressed;
    update();
}

void CSkinButton::SetToolTipText(const QString& text)
{
    setToolTip(text);
    setAccessibleName(text.isEmpty() ? caption_ : text);
}

QColor CSkinButton::TextColour(ButtonTextColour which) const
{
    switch (which) {
    case ButtonTextColour::Hover:
        return textHover_;
    case ButtonTextColour::Pressed:
        return textPressed_;
    case ButtonTextColour::Disabled:
        return ToQColor(kitcolours::kTextDisabled);
    case ButtonTextColour::DisabledMark:
        return ToQColor(kitcolours::kTextDisabledMark);
    case ButtonTextColour::Normal:
        break;
    }
    return textNormal_;
}

void CSkinButton::SetHovering(bool hovering)
{
    if (hovering_ != hovering) {
        hovering_ = hovering;
        repaint();
    }
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event)
{
    SetHovering(Hit(event->position().toPoint()));
}

void CSkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !PressHit(event->position().toPoint())) {
        return;
    }
    pressedDown_ = true;
    hovering_ = true;
    OnPress();
    repaint();
    OnPressDrawn(true);
}

void CSkinButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click is one more press, never lost and never counted twice.
    mousePressEvent(event);
}

void CSkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressedDown_) {
        return;
    }
    pressedDown_ = false;
    const bool inside = Hit(event->position().toPoint());
    hovering_ = inside;
    repaint();
    OnPressDrawn(false);
    if (inside) {
        Q_EMIT clicked(id_);
    }
}

void CSkinButton::leaveEvent(QEvent*)
{
    if (!pressedDown_) {
        SetHovering(false);
    }
}

void CSkinButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        pressedDown_ = false;
        hovering_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace qx71::gui
