#include "gui/widgets/CWndPopup.h"

#include "core/widgets/KitColours.h"
#include "core/widgets/NineSlice.h"
#include "core/widgets/PopupMenuLayout.h"
#include "core/widgets/SkinFonts.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/SkinFont.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace qx71::gui {
namespace {

namespace pm = popupmenu;

bool& DesktopComposites()
{
    static bool composites = false;
    return composites;
}

bool UseColourKey()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") && !DesktopComposites();
}

void DrawNineSlice(QPainter& p, const QPixmap& image, QSize size, int corner)
{
    if (image.isNull()) {
        return;
    }
    const QSize logical = image.deviceIndependentSize().toSize();
    for (const SlicePiece& piece :
         NineSlice({logical.width(), logical.height()}, {size.width(), size.height()}, corner)) {
        if (piece.source.Width() <= 0 || piece.source.Height() <= 0 || piece.target.Width() <= 0 ||
            piece.target.Height() <= 0) {
            continue;
        }
        const qreal r = image.devicePixelRatio();
        const QRectF source(piece.source.left * r, piece.source.top * r, piece.source.Width() * r,
                            piece.source.Height() * r);
        p.drawPixmap(QRectF(ToQRect(piece.target)), image, source);
    }
}

} // namespace

void SetDesktopComposites(bool composites)
{
    DesktopComposites() = composites;
}

namespace {

// A tick centred in `box`.
void DrawTick(QPainter& p, const QRect& box, const QColor& colour)
{
    const QPoint c = box.center();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, pm::kCheckMarkStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygon({c + QPoint(-4, 0), c + QPoint(-1, 3), c + QPoint(4, -3)}));
    p.restore();
}

} // namespace

QBitmap ShapeOutsideKey(const QImage& image, QRgb key)
{
    // The mask image's set bits are the key's pixels, and they become QBitmap's colour 0,
    // the transparent one.
    return QBitmap::fromImage(image.createMaskFromColor(key, Qt::MaskInColor));
}

CWndPopup::CWndPopup(QWidget* owner, Look look, std::vector<Item> items)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint),
      look_(std::move(look)), items_(std::move(items)), colourKey_(UseColourKey())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFont(ShellDlgFont(look_.textHeight > 0 ? look_.textHeight : kKitTextHeight));
    if (!colourKey_) {
        setAttribute(Qt::WA_TranslucentBackground);
    }
    checkColumn_ =
        std::any_of(items_.begin(), items_.end(), [](const Item& i) { return i.checked; });
    int width = look_.width;
    if (width == 0) {
        const QFontMetrics metrics(font());
        int widest = 0;
        int icon = 0;
        bool subMenus = false;
        for (const Item& item : items_) {
            widest = std::max(widest, metrics.horizontalAdvance(item.text));
            icon = std::max(
                icon, item.icon.isNull() ? 0 : item.icon.deviceIndependentSize().toSize().width());
            subMenus = subMenus || !item.items.empty();
        }
        width = pm::WidthFor(widest, checkColumn_ ? pm::kCheckMarkWidth : icon, subMenus);
    }
    const int count = static_cast<int>(items_.size());
    setFixedSize(width, pm::kTopMargin + count * look_.itemHeight + pm::kBottomMargin);
}

void CWndPopup::OpenAt(QPoint topLeft)
{
    // A menu that would run off the screen (the game menu below its button on a short
    // screen) is moved back onto it.
    if (const QScreen* screen = QGuiApplication::screenAt(topLeft); screen != nullptr) {
        const QRect area = screen->availableGeometry();
        const Point at = pm::KeepOnScreen(
            FromQPoint(topLeft), {width(), height()},
            {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
        topLeft = ToQPoint(at);
    }
    move(topLeft);
    if (colourKey_) {
        const QImage image = Compose();
        setMask(ShapeOutsideKey(image, ToQColor(kitcolours::kPopupKey).rgb()));
    }
    show();
}

int CWndPopup::ItemAt(QPoint p) const
{
    if (p.x() < pm::kSideMargin || p.x() >= width() - pm::kSideMargin || p.y() < pm::kTopMargin) {
        return -1;
    }
    const int index = (p.y() - pm::kTopMargin) / look_.itemHeight;
    return index < static_cast<int>(items_.size()) ? index : -1;
}

QImage CWndPopup::Compose() const
{
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(ToQColor(kitcolours::kPopupKey));
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!colourKey_) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(rect(), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    DrawNineSlice(p, look_.background, size(), look_.corner);
    p.setFont(font());
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        const Item& item = items_[static_cast<size_t>(i)];
        const int top = pm::kTopMargin + i * look_.itemHeight;
        const QRect box(pm::kSideMargin, top, width() - 2 * pm::kSideMargin, look_.itemHeight);
        const bool lit = i == highlighted_ && item.enabled;
        const bool sub = !item.items.empty();
        const QPixmap& normal = sub ? look_.subNormal : look_.itemNormal;
        const QPixmap& over = sub ? look_.subOver : look_.itemOver;
        const QPixmap& down = sub ? look_.subDown : look_.itemDown;
        const QPixmap& face = lit ? (pressed_ && !down.isNull() ? down : over) : normal;
        if (!face.isNull()) {
            p.drawPixmap(box, face);
        } else if (lit) {
            p.setPen(look_.frame);
            p.setBrush(Qt::white);
            p.drawRect(box.adjusted(0, 0, -1, -1));
        }
        int x = box.left() + pm::kIconLeft;
        if (!item.icon.isNull()) {
            const QSize icon = item.icon.deviceIndependentSize().toSize();
            p.drawPixmap(QRect(QPoint(x, top + (look_.itemHeight - icon.height()) / 2), icon),
                         item.icon);
            x += icon.width() + pm::kTextGap;
        }
        if (checkColumn_) {
            if (item.checked) {
                DrawTick(p, QRect(x, top, pm::kCheckMarkWidth, look_.itemHeight),
                         lit ? look_.highlightText : look_.text);
            }
            x += pm::kCheckMarkWidth + pm::kTextGap;
        }
        p.setPen(!item.enabled && look_.disabledText.isValid() ? look_.disabledText
                 : lit                                         ? look_.highlightText
                                                               : look_.text);
        const QRect textBox(x, top, box.right() - x - (sub ? pm::kSubMenuArrowWidth : 0),
                            look_.itemHeight);
        p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QFontMetrics(font()).elidedText(item.text, Qt::ElideRight, textBox.width()));
        if (sub) {
            const int ax = box.right() - pm::kSubMenuArrowWidth / 2;
            const int ay = top + look_.itemHeight / 2;
            p.setPen(Qt::NoPen);
            p.setBrush(lit ? look_.highlightText : look_.text);
            p.drawPolygon(
                QPolygon({QPoint(ax - 2, ay - 4), QPoint(ax + 2, ay), QPoint(ax - 2, ay + 4)}));
        }
    }
    return image;
}

void CWndPopup::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!colourKey_) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
    }
    p.drawImage(0, 0, Compose());
}

void CWndPopup::Highlight(int index)
{
    if (index != highlighted_) {
        highlighted_ = index;
        update();
    }
}

void CWndPopup::OpenSubMenu(int index)
{
    if (sub_ != nullptr) {
        sub_->close();
    }
    if (index < 0 || items_[static_cast<size_t>(index)].items.empty()) {
        return;
    }
    Look look = look_;
    look.width = 0;
    sub_ = new CWndPopup(this, look, items_[static_cast<size_t>(index)].items);
    connect(sub_, &CWndPopup::chosen, this, [this](uint32_t value) {
        Q_EMIT chosen(value);
        close();
    });
    const int top = pm::kTopMargin + index * look_.itemHeight - pm::kTopMargin;
    sub_->OpenAt(mapToGlobal(QPoint(width() - pm::kSideMargin, top)));
}

void CWndPopup::mouseMoveEvent(QMouseEvent* event)
{
    const int index = ItemAt(event->position().toPoint());
    if (index != highlighted_) {
        Highlight(index);
        OpenSubMenu(index);
    }
}

void CWndPopup::mousePressEvent(QMouseEvent* event)
{
    if (!rect().contains(event->position().toPoint())) {
        close();
        return;
    }
    pressed_ = true;
    Highlight(ItemAt(event->position().toPoint()));
    update();
}

void CWndPopup::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = pressed_;
    pressed_ = false;
    const int index = ItemAt(event->position().toPoint());
    if (!wasPressed || index < 0 || index != highlighted_) {
        update();
        return;
    }
    const Item& item = items_[static_cast<size_t>(index)];
    if (!item.enabled) {
        update();
        return;
    }
    if (!item.items.empty()) {
        OpenSubMenu(index);
        return;
    }
    const uint32_t value = item.value;
    Q_EMIT chosen(value);
    close();
}

void CWndPopup::leaveEvent(QEvent*)
{
    if (sub_ == nullptr) {
        Highlight(-1);
    }
}

} // namespace qx71::gui
