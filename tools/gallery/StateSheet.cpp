#include "StateSheet.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace qx71::gallery {
namespace {

const QColor kPanel(27, 30, 35);
const QColor kTitle(230, 230, 236);
const QColor kCaption(189, 189, 200);
constexpr int kMargin = 10;
constexpr int kGap = 16;
constexpr int kLineGap = 4;
constexpr int kAround = 6;

} // namespace

void Panel::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), kPanel);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Hover(QWidget* widget, QPoint at)
{
    const QPointF local(at);
    QEnterEvent enter(local, local, widget->mapToGlobal(local));
    QApplication::sendEvent(widget, &enter);
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton);
}

void Press(QWidget* widget, QPoint at)
{
    Hover(widget, at);
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
}

QImage Capture(QWidget& panel, const QRect& area)
{
    panel.show();
    Settle();
    return panel.grab(area).toImage();
}

QRect Around(const QWidget& control)
{
    return control.geometry().adjusted(-kAround, -kAround, kAround, kAround);
}

void StateSheet::AddRow(const QString& title)
{
    rows_.push_back({title, {}});
}

void StateSheet::Add(const QString& state, const QImage& frame)
{
    if (rows_.empty()) {
        AddRow(QString());
    }
    rows_.back().frames.push_back({state, frame});
}

QImage StateSheet::Draw() const
{
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    const int line = metrics.height();
    int width = 0;
    int height = kMargin;
    for (const Row& row : rows_) {
        int x = kMargin;
        int tallest = 0;
        for (const Frame& f : row.frames) {
            x += std::max(f.image.width(), metrics.horizontalAdvance(f.state)) + kGap;
            tallest = std::max(tallest, f.image.height());
        }
        width = std::max({width, x, kMargin * 2 + metrics.horizontalAdvance(row.title)});
        height += line + kLineGap + tallest + kLineGap + line + kGap;
    }
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(kPanel);
    QPainter p(&sheet);
    p.setFont(font);
    int y = kMargin;
    for (const Row& row : rows_) {
        p.setPen(kTitle);
        p.drawText(QRect(kMargin, y, width, line), Qt::AlignLeft | Qt::AlignVCenter, row.title);
        y += line + kLineGap;
        int tallest = 0;
        for (const Frame& f : row.frames) {
            tallest = std::max(tallest, f.image.height());
        }
        int x = kMargin;
        for (const Frame& f : row.frames) {
            const int column = std::max(f.image.width(), metrics.horizontalAdvance(f.state));
            p.drawImage(x, y, f.image);
            p.setPen(kCaption);
            p.drawText(QRect(x, y + tallest + kLineGap, column, line),
                       Qt::AlignLeft | Qt::AlignVCenter, f.state);
            x += column + kGap;
        }
        y += tallest + kLineGap + line + kGap;
    }
    p.end();
    return sheet;
}

} // namespace qx71::gallery
