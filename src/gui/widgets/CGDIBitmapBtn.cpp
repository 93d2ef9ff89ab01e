#include "gui/widgets/CGDIBitmapBtn.h"

#include "core/widgets/KitColours.h"
#include "core/widgets/KitMessages.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/FittedText.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"
#include "gui/widgets/Skins.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace qx71::gui {
namespace {

// The caption's inset from the left and right edges, and its gap after an icon.
constexpr int kCaptionLeft = 8;
constexpr int kCaptionRight = 5;
constexpr int kCaptionAfterIcon = 5;

} // namespace

CGDIBitmapBtn::CGDIBitmapBtn(const Rect& rect, QWidget* parent, int id)
    : QWidget(parent), id_(id), textNormal_(ToQColor(kitcolours::kTextNormal)),
      textHover_(ToQColor(kitcolours::kTextHover)), textPressed_(ToQColor(kitcolours::kTextPressed))
{
    setGeometry(ToQRect(rect));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setFont(ShellDlgFont(kKitTextHeight));
}

void CGDIBitmapBtn::SetStateImages(const QPixmap& normalSheet, const QPixmap& hoverSheet,
                                   const QPixmap& pressedSheet, const QPixmap& disabledSheet,
                                   const Rect& source)
{
    normal_ = CutSheet(normalSheet, source);
    hover_ = CutSheet(hoverSheet, source);
    pressed_ = CutSheet(pressedSheet, source);
    disabled_ = CutSheet(disabledSheet, source);
    update();
}

void CGDIBitmapBtn::SetCheckedImages(const QPixmap& checkedSheet, const QPixmap& checkedHoverSheet,
                                     const Rect& source)
{
    checkedImage_ = CutSheet(checkedSheet, source);
    checkedHover_ = CutSheet(checkedHoverSheet, source);
    update();
}

void CGDIBitmapBtn::SetUseCheckedImages(bool use)
{
    useChecked_ = use;
    update();
}

void CGDIBitmapBtn::SetCaption(const QString& caption)
{
    caption_ = caption;
    if (toolTip().isEmpty()) {
        setAccessibleName(caption);
    }
    update();
}

void CGDIBitmapBtn::SetChecked(bool checked)
{
    checked_ = checked;
    update();
}

void CGDIBitmapBtn::SetLargeText(bool large)
{
    large_ = large;
    setFont(ShellDlgFont(large ? kKitLargeTextHeight : kKitTextHeight));
    update();
}

void CGDIBitmapBtn::SetIconRect(std::optional<Rect> icon)
{
    icon_ = icon;
    update();
}

void CGDIBitmapBtn::SetTextColours(const QColor& normal, const QColor& hover, const QColor& pressed)
{
    textNormal_ = normal;
    textHover_ = hover;
    textPressed_ = pressed;
    update();
}

void CGDIBitmapBtn::SetToolTipText(const QString& text)
{
    setToolTip(text);
    setAccessibleName(text.isEmpty() ? caption_ : text);
}

ButtonLook CGDIBitmapBtn::CurrentLook() const
{
    ButtonState state;
    state.enabled = isEnabled();
    state.hovering = hovering_;
    state.pressed = pressedDown_;
    state.checked = checked_;
    state.useCheckedImages = useChecked_;
    state.hasCheckedImage = !checkedImage_.isNull();
    state.hasCheckedHoverImage = !checkedHover_.isNull();
    return ChooseButtonLook(state);
}

const QPixmap& CGDIBitmapBtn::ImageFor(ButtonImage image) const
{
    switch (image) {
    case ButtonImage::Hover:
        return hover_;
    case ButtonImage::Pressed:
        return pressed_;
    case ButtonImage::Disabled:
        return disabled_;
    case ButtonImage::Checked:
        return checkedImage_;
    case ButtonImage::CheckedHover:
        return checkedHover_;
    case ButtonImage::Normal:
        break;
    }
    return normal_;
}

void CGDIBitmapBtn::paintEvent(QPaintEvent*)
{
    const ButtonLook look = CurrentLook();
    QPainter painter(this);
    const QPixmap& image = ImageFor(look.image);
    if (!image.isNull()) {
        painter.drawPixmap(rect(), image);
    }
    if (caption_.isEmpty()) {
        return;
    }
    QColor colour = textNormal_;
    switch (look.text) {
    case ButtonTextColour::Hover:
        colour = textHover_;
        break;
    case ButtonTextColour::Pressed:
        colour = textPressed_;
        break;
    case ButtonTextColour::Disabled:
        colour = ToQColor(kitcolours::kTextDisabled);
        break;
    case ButtonTextColour::Normal:
        break;
    }
    const int left = icon_ ? icon_->right + kCaptionAfterIcon : kCaptionLeft;
    const QRect box(left, 0, std::max(0, width() - left - kCaptionRight), height());
    const FittedText fitted = FitText(caption_, font(), box.width());
    painter.setFont(fitted.font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, fitted.text);
}

void CGDIBitmapBtn::SetHovering(bool hovering)
{
    if (hovering_ != hovering) {
        hovering_ = hovering;
        repaint();
    }
}

void CGDIBitmapBtn::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint local = event->position().toPoint();
    SetHovering(rect().contains(local));
    Q_EMIT mouseMoved(event->buttons(), mapToParent(local));
}

void CGDIBitmapBtn::Press()
{
    if (QWidget* top = window(); top != nullptr && top != this) {
        top->activateWindow();
    }
    pressedDown_ = true;
    hovering_ = true;
    if (toggle_) {
        checked_ = !checked_;
    }
    repaint();
    if (notify_) {
        Q_EMIT notified(kitmessages::kButtonPress, id_);
    }
}

void CGDIBitmapBtn::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        Press();
    }
}

void CGDIBitmapBtn::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click is one more press.
    mousePressEvent(event);
}

void CGDIBitmapBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressedDown_) {
        return;
    }
    pressedDown_ = false;
    const bool inside = rect().contains(event->position().toPoint());
    hovering_ = inside;
    repaint();
    if (notify_) {
        Q_EMIT notified(kitmessages::kButtonRelease, id_);
    }
    if (inside) {
        Q_EMIT clicked(id_);
    }
}

void CGDIBitmapBtn::leaveEvent(QEvent*)
{
    if (!pressedDown_) {
        SetHovering(false);
    }
}

void CGDIBitmapBtn::focusOutEvent(QFocusEvent*)
{
    SetHovering(false);
}

void CGDIBitmapBtn::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        pressedDown_ = false;
        hovering_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace qx71::gui
