#pragma once

#include "core/widgets/Geometry.h"

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace qx71::gui {

// Whether the desktop composites windows with per-pixel alpha (the program's start asks the
// system). Without it, popups on X11 are cut to shape on their colour key instead.
void SetDesktopComposites(bool composites);

// The shape of a popup painted on a colour key: every pixel but the key's.
QBitmap ShapeOutsideKey(const QImage& image, QRgb key);

// A popup window that shows a column of items over a nine-slice background and acts as a
// menu: a click on an item reports the item's value and closes it; so does losing the
// focus (a click elsewhere). Painted off-screen on the magenta key; on X11 (where a
// compositor is not certain) the key becomes the window's shape, elsewhere the popup is drawn
// with per-pixel alpha.
class CWndPopup : public QWidget {
    Q_OBJECT

public:
    struct Item {
        QString text;
        uint32_t value = 0;
        QPixmap icon;            // may be null
        std::vector<Item> items; // a sub-menu
        bool enabled = true;     // a disabled item only tells something: it is not chosen
        bool checked = false;    // a tick before the text
    };

    // Item backgrounds by state (all may be null: the frame of the highlighted item is
    // drawn then), and the text colours of a normal and a highlighted item.
    struct Look {
        QPixmap background;
        int corner = 8;
        int itemHeight = 22;
        int width = 0;      // 0: from the widest item
        int textHeight = 0; // pixels; 0: the kit's
        QPixmap itemNormal, itemOver, itemDown;
        QPixmap subNormal, subOver, subDown;
        QColor text;
        QColor highlightText;
        QColor frame; // of the highlighted item without item images
        QColor disabledText;
    };

    CWndPopup(QWidget* owner, Look look, std::vector<Item> items);

    // Opens with its top-left corner at a point in screen coordinates.
    void OpenAt(QPoint topLeft);
    int Highlighted() const { return highlighted_; }
    const std::vector<Item>& Items() const { return items_; }
    CWndPopup* SubMenu() const { return sub_; }
    // The popup as it is drawn, before it becomes the window's shape.
    QImage Compose() const;

Q_SIGNALS:
    // An item without a sub-menu was chosen.
    void chosen(uint32_t value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int ItemAt(QPoint p) const;
    void Highlight(int index);
    void OpenSubMenu(int index);

    Look look_;
    std::vector<Item> items_;
    int highlighted_ = -1;
    bool pressed_ = false;
    QPointer<CWndPopup> sub_;
    bool colourKey_ = false;
    bool checkColumn_ = false; // some item is checked: every text starts after the tick
};

} // namespace qx71::gui
