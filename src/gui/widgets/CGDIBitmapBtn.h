#pragma once

#include "core/widgets/ButtonLook.h"
#include "core/widgets/Geometry.h"
#include "gui/widgets/CSkinButton.h"

#include <QPixmap>

#include <optional>

namespace qx71::gui {

// A button drawn from skin sheets: normal, hover, pressed and disabled images (and optionally
// checked and checked-hover), each cut from its sheet at the same source rectangle, with an
// optional caption drawn over the image.
class CGDIBitmapBtn : public CSkinButton {
    Q_OBJECT

public:
    CGDIBitmapBtn(const Rect& rect, QWidget* parent, int id = 0);

    void SetStateImages(const QPixmap& normalSheet, const QPixmap& hoverSheet,
                        const QPixmap& pressedSheet, const QPixmap& disabledSheet,
                        const Rect& source);
    // The checked-hover sheet may be null: the checked image then serves while hovering.
    void SetCheckedImages(const QPixmap& checkedSheet, const QPixmap& checkedHoverSheet,
                          const Rect& source);
    // One face given after the others: the window cuts its buttons' hover and pressed faces
    // once it has shown. A face the button lacks is drawn as the normal one.
    void SetStateImage(ButtonImage image, const QPixmap& sheet, const Rect& source);
    // Lets go of every state image; the button draws nothing until it is given them again.
    void ReleaseImages();
    void SetUseCheckedImages(bool use);

    void SetChecked(bool checked);
    bool IsChecked() const { return checked_; }
    // A click flips the checked flag.
    void SetToggle(bool toggle) { toggle_ = toggle; }
    // Press and release are reported with notified().
    void SetNotify(bool notify) { notify_ = notify; }
    void SetLargeText(bool large);
    // The caption then starts 5 px right of this rectangle.
    void SetIconRect(std::optional<Rect> icon);
    // A caption too long for one line may take two (FitTwoLines).
    void SetTwoLineCaption(bool twoLines);
    // Where the caption sits across its room (centred unless told).
    void SetCaptionAlignment(Qt::Alignment align) { captionAlign_ = align; }

    // The caption as it is drawn.
    std::vector<TextLayout> TextLayouts() const override;

    ButtonLook CurrentLook() const;

Q_SIGNALS:
    // The 1805 notification: kButtonPress on the press, kButtonRelease on the release.
    void notified(int code, int id);
    // Every mouse move over the button, in the parent's coordinates.
    void mouseMoved(Qt::MouseButtons buttons, QPoint parentPoint);

protected:
    // The whole rectangle.
    bool Hit(const QPoint& local) const override;
    // Every left press it receives, wherever it lands.
    bool PressHit(const QPoint& /*local*/) const override { return true; }
    void OnPress() override;
    void OnPressDrawn(bool down) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const QPixmap& ImageFor(ButtonImage image) const;

    QPixmap normal_, hover_, pressed_, disabled_, checkedImage_, checkedHover_;
    bool checked_ = false;
    bool toggle_ = false;
    bool useChecked_ = false;
    bool notify_ = false;
    bool large_ = false;
    bool twoLines_ = false;
    std::optional<Rect> icon_;
    Qt::Alignment captionAlign_ = Qt::AlignHCenter;
};

} // namespace qx71::gui
