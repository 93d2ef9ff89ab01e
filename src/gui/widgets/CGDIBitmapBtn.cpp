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

CGDIBitmapBtn::CGDIBitmapBtn(const Rect& rect, QWidget* parent, int id) : CSkinButton(parent, id)
{
    setGeometry(ToQRect(rect));
}

void CGDIBitmapBtn::SetStateImages(const QPixmap& normalSheet, const QPixmap& hoverSheet,
                                   const QPixmap& pressedSheet, const QPixmap& disabledSheet,
                                   const Rect& source)
{
    CutSheets({{normalSheet, normal_},
               {hoverSheet, hover_},
               {pressedSheet, pressed_},
               {disabledSheet, disabled_}},
              source);
    update();
}

void CGDIBitmapBtn::SetStateImage(ButtonImage image, const QPixmap& sheet, const Rect& source)
{
    QPixmap piece = CutSheet(sheet, source);
    switch (image) {
    case ButtonImage::Normal:
        normal_ = std::move(piece);
        break;
    case ButtonImage::Hover:
        hover_ = std::move(piece);
        break;
    case ButtonImage::Pressed:
        pressed_ = std::move(piece);
        break;
    case ButtonImage::Disabled:
        disabled_ = std::move(piece);
        break;
    case ButtonImage::Checked:
        checkedImage_ = std::move(piece);
        break;
    case ButtonImage::CheckedHover:
        checkedHover_ = std::move(piece);
        break;
    }
    update();
}

void CGDIBitmapBtn::SetCheckedImages(const QPixmap& checkedSheet, const QPixmap& checkedHoverSheet,
                                     const Rect& source)
{
    CutSheets({{checkedSheet, checkedImage_}, {checkedHoverSheet, checkedHover_}}, source);
    update();
}

void CGDIBitmapBtn::ReleaseImages()
{
    for (QPixmap* image :
         {&normal_, &hover_, &pressed_, &disabled_, &checkedImage_, &checkedHover_}) {
        *image = QPixmap();
    }
}

void CGDIBitmapBtn::SetUseCheckedImages(bool use)
{
    useChecked_ = use;
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

void CGDIBitmapBtn::SetTwoLineCaption(bool twoLines)
{
    twoLines_ = twoLines;
    update();
}

ButtonLook CGDIBitmapBtn::CurrentLook() const
{
    ButtonState state;
    state.enabled = isEnabled();
    state.hovering = IsHovering();
    state.pressed = IsPressedDown();
    state.checked = checked_;
    state.useCheckedImages = useChecked_;
    state.hasCheckedImage = !checkedImage_.isNull();
    state.hasCheckedHoverImage = !checkedHover_.isNull();
    state.disabledImageIsNormal = disabled_.isNull() || SameSheet(disabled_, normal_);
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
    const QPixmap& chosen = ImageFor(look.image);
    const QPixmap& image = chosen.isNull() ? normal_ : chosen;
    if (!image.isNull()) {
        painter.drawPixmap(rect(), image);
    }
    if (look.veiled) {
        painter.save();
        painter.setOpacity(kitcolours::kDisabledVeilOpacity);
        painter.fillRect(rect(), ToQColor(kitcolours::kDisabledVeil));
        painter.restore();
    }
    painter.setPen(TextColour(look.text));
    for (const TextLayout& text : TextLayouts()) {
        DrawTextLayout(painter, text);
    }
}

std::vector<TextLayout> CGDIBitmapBtn::TextLayouts() const
{
    if (Caption().isEmpty()) {
        return {};
    }
    const int left = icon_ ? icon_->right + kCaptionAfterIcon : kCaptionLeft;
    const QRect box(left, 0, std::max(0, width() - left - kCaptionRight), height());
    if (twoLines_) {
        // A caption too long for one line is broken at its best space; each line is centred.
        const FittedLines fitted = FitTwoLines(Caption(), font(), box.width(), box.height());
        return {{objectName().isEmpty() ? Caption() : objectName(), Caption(),
                 fitted.lines.join(QLatin1Char('\n')), fitted.font, box,
                 static_cast<int>(Qt::AlignCenter), QColor()}};
    }
    return {LayOutLine(objectName().isEmpty() ? Caption() : objectName(), Caption(), font(), box,
                       captionAlign_)};
}

bool CGDIBitmapBtn::Hit(const QPoint& local) const
{
    return rect().contains(local);
}

void CGDIBitmapBtn::mouseMoveEvent(QMouseEvent* event)
{
    CSkinButton::mouseMoveEvent(event);
    Q_EMIT mouseMoved(event->buttons(), mapToParent(event->position().toPoint()));
}

void CGDIBitmapBtn::OnPress()
{
    if (QWidget* top = window(); top != nullptr && top != this) {
        top->activateWindow();
    }
    if (toggle_) {
        checked_ = !checked_;
    }
}

void CGDIBitmapBtn::OnPressDrawn(bool down)
{
    if (notify_) {
        Q_EMIT notified(down ? kitmessages::kButtonPress : kitmessages::kButtonRelease, Id());
    }
}

void CGDIBitmapBtn::focusOutEvent(QFocusEvent*)
{
    SetHovering(false);
}

} // namespace qx71::gui
