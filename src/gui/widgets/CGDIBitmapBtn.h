#pragma once

#include "core/widgets/ButtonLook.h"
#include "core/widgets/Geometry.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <optional>

namespace qx71::gui {

// A button drawn from skin sheets: normal, hover, pressed and disabled images (and optionally
// checked and checked-hover), each cut from its sheet at the same source rectangle, with an
// optional caption drawn over the image.
class CGDIBitmapBtn : public QWidget {
    Q_OBJECT

public:
    CGDIBitmapBtn(const Rect& rect, QWidget* parent, int id = 0);

    int Id() const { return id_; }

    void SetStateImages(const QPixmap& normalSheet, const QPixmap& hoverSheet,
                        const QPixmap& pressedSheet, const QPixmap& disabledSheet,
                        const Rect& source);
    // The checked-hover sheet may be null: the checked image then serves while hovering.
    void SetCheckedImages(const QPixmap& checkedSheet, const QPixmap& checkedHoverSheet,
                          const Rect& source);
    void SetUseCheckedImages(bool use);

    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }
    void SetChecked(bool checked);
    bool IsChecked() const { return checked_; }
    // A click flips the checked flag.
    void SetToggle(bool toggle) { toggle_ = toggle; }
    // Press and release are reported with notified().
    void SetNotify(bool notify) { notify_ = notify; }
    void SetLargeText(bool large);
    // The caption then starts 5 px right of this rectangle.
    void SetIconRect(std::optional<Rect> icon);
    void SetTextColours(const QColor& normal, const QColor& hover, const QColor& pressed);
    // The tooltip, also the accessible name when the button has no caption.
    void SetToolTipText(const QString& text);

    bool IsHovering() const { return hovering_; }
    ButtonLook CurrentLook() const;

Q_SIGNALS:
    void clicked(int id);
    // The 1805 notification: kButtonPress on the press, kButtonRelease on the release.
    void notified(int code, int id);
    // Every mouse move over the button, in the parent's coordinates.
    void mouseMoved(Qt::MouseButtons buttons, QPoint parentPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QPixmap& ImageFor(ButtonImage image) const;
    void SetHovering(bool hovering);
    void Press();

    int id_;
    QPixmap normal_, hover_, pressed_, disabled_, checkedImage_, checkedHover_;
    QString caption_;
    bool checked_ = false;
    bool toggle_ = false;
    bool useChecked_ = false;
    bool notify_ = false;
    bool large_ = false;
    bool hovering_ = false;
    bool pressedDown_ = false;
    std::optional<Rect> icon_;
    QColor textNormal_, textHover_, textPressed_;
};

} // namespace qx71::gui
