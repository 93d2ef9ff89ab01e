#pragma once

#include "core/widgets/MenuItemEx.h"

#include <QEvent>
#include <QPoint>
#include <QString>

#include <cstdint>

class QWidget;

namespace qx71::gui {

// The popup-menu library, in-process, with its call shape: the owner, a number (the height
// of an item), the point where the menu opens (screen coordinates), three colours as
// 0x00BBGGRR (text, highlighted text, accent), eight image paths (normal, hover, pressed and
// unused for items, then the same for items with a sub-menu), the items and their count. At
// most one menu per owner: a second call replaces the first. Returns 1 when the menu opened.
int CreateMenuEx(QWidget* owner, int number, QPoint point, uint32_t colour1, uint32_t colour2,
                 uint32_t colour3, const QString& image1, const QString& image2,
                 const QString& image3, const QString& image4, const QString& image5,
                 const QString& image6, const QString& image7, const QString& image8,
                 const MenuItemEx* items, int count);
// Closes the owner's menu; nothing happens when it has none.
void DestroyMenuEx(QWidget* owner);
// Whether the owner has a menu open.
bool HasMenuEx(QWidget* owner);

// The choice reaches the owner as this event, message 1281, posted: lParam holds the item id.
class MenuChoiceEvent final : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 1281);
    explicit MenuChoiceEvent(uint32_t lParam) : QEvent(kType), lParam_(lParam) {}
    uint32_t LParam() const { return lParam_; }

private:
    uint32_t lParam_;
};

} // namespace qx71::gui
