#pragma once

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>

#include <functional>

namespace qx71::test {

// Fires a running QTimer once, now, as its interval would: tests never wait for real time.
inline void FireTimer(QTimer& timer)
{
    if (!timer.isActive()) {
        return;
    }
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(&timer, &event);
}

// Runs `action` on the modal widget once the modal loop that the caller starts next is
// running (a null pointer when no such widget is modal).
template <typename Widget> void WhenModal(std::function<void(Widget*)> action)
{
    QTimer::singleShot(0, [action] {
        auto* widget = qobject_cast<Widget*>(QApplication::activeModalWidget());
        action(widget);
        if (widget == nullptr) {
            // Nothing to end the modal loop: leave it rather than hang.
            QCoreApplication::exit(1);
        }
    });
}

// A mouse event straight to a widget, at a point in its own coordinates.
inline void Mouse(QWidget* widget, QEvent::Type type, QPoint at,
                  Qt::MouseButton button = Qt::LeftButton, Qt::MouseButtons buttons = {})
{
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        buttons |= button;
    }
    if (type == QEvent::MouseMove) {
        button = Qt::NoButton;
    }
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A left click straight to a widget: press and release at `at`, in its own coordinates.
inline void Click(QWidget* widget, QPoint at)
{
    Mouse(widget, QEvent::MouseButtonPress, at);
    Mouse(widget, QEvent::MouseButtonRelease, at);
}

// A left click in the middle of a widget.
inline void Click(QWidget* widget)
{
    Click(widget, widget->rect().center());
}

// Lets posted events, and what they post in turn, run.
inline void RunEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

// Gives a widget a bold, non-antialiased version of its font, so its text has pixels of
// exactly its colour (the kit's light 14 px strokes are all blended with the face).
inline void UseSolidText(QWidget& widget)
{
    QFont font = widget.font();
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    widget.setFont(font);
}

// What the widget drew, in its own logical pixels.
inline QImage Drawn(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// True when some pixel of `rect` of the image has exactly this colour.
inline bool HasColour(const QImage& image, const QRect& rect, const QColor& colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

// How many pixels of `rect` are close to the colour (text is anti-aliased: the core of a
// glyph has the exact colour, its edges are mixed).
inline int CountNear(const QImage& image, const QRect& rect, const QColor& colour, int tolerance)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance &&
                std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance) {
                ++n;
            }
        }
    }
    return n;
}

} // namespace qx71::test
