#pragma once

#include "core/widgets/Geometry.h"
#include "core/widgets/KitColours.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <string>
#include <string_view>

namespace qx71::gui {

// The core's plain geometry and colours in Qt's types. A Rect's right and bottom are outside,
// so the QRect has the same width and height.
inline QRect ToQRect(const Rect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}
inline Rect FromQRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
inline QPoint ToQPoint(Point p)
{
    return QPoint(p.x, p.y);
}
inline QSize ToQSize(Size s)
{
    return QSize(s.width, s.height);
}
inline QColor ToQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}
inline Point FromQPoint(const QPoint& p)
{
    return {p.x(), p.y()};
}
inline QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::u16string ToU16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<size_t>(text.size()));
}

} // namespace qx71::gui
