#pragma once

#include "core/widgets/ButtonLook.h"
#include "gui/widgets/TextLayout.h"

#include <QColor>
#include <QWidget>

namespace qx71::gui {

// What every skinned button shares: its id, caption, tooltip and accessible name, text colours,
// hover state and the press/release tracking that ends in clicked(). A subclass draws itself
// and says where it can be hit.
class CSkinButton : public QWidget, public ITextLayouts {
    Q_OBJECT

public:
    int Id() const { return id_; }

    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }
    void SetTextColours(const QColor& normal, const QColor& hover, const QColor& pressed);
    // The tooltip, also the accessible name when the button has no caption.
    void SetToolTipText(const QString& text);

    bool IsHovering() const { return hovering_; }

Q_SIGNALS:
    void clicked(int id);

protected:
    CSkinButton(QWidget* parent, int id);

    // Whether a point in the button's own coordinates is on the button.
    virtual bool Hit(const QPoint& local) const = 0;
    // Whether a left press there presses the button; a press can land outside the button while
    // another mouse button holds the mouse on it.
    virtual bool PressHit(const QPoint& local) const { return Hit(local); }
    // A press has set the pressed and hover state; the button repaints after this.
    virtual void OnPress() {}
    // The press (down) or the release (up) has been drawn; a release inside clicks after this.
    virtual void OnPressDrawn(bool /*down*/) {}

    bool IsPressedDown() const { return pressedDown_; }
    QColor TextColour(ButtonTextColour which) const;
    void SetHovering(bool hovering);

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int id_;
    QString caption_;
    bool hovering_ = false;
    bool pressedDown_ = false;
    QColor textNormal_, textHover_, textPressed_;
};

} // namespace qx71::gui
