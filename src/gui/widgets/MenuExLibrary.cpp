#include "gui/widgets/MenuExLibrary.h"

#include "core/widgets/KitColours.h"
#include "gui/widgets/CMenuEx.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <map>
#include <span>

namespace qx71::gui {
namespace {

QColor FromColorRef(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::vector<CWndPopup::Item> ToItems(const std::vector<MenuNode>& nodes)
{
    std::vector<CWndPopup::Item> items;
    for (const MenuNode& node : nodes) {
        items.push_back({ToQString(node.text), node.id, {}, ToItems(node.children)});
    }
    return items;
}

// The menu the library shows for an owner.
class LibraryMenu final : public CMenuEx {
public:
    LibraryMenu(QWidget* owner, CWndPopup::Look look, std::vector<CWndPopup::Item> items)
        : CMenuEx(owner, std::move(look)), items_(std::move(items))
    {
    }

protected:
    std::vector<CWndPopup::Item> AddItems() override { return items_; }

private:
    std::vector<CWndPopup::Item> items_;
};

std::map<QWidget*, QPointer<LibraryMenu>>& OpenMenus()
{
    static std::map<QWidget*, QPointer<LibraryMenu>> menus;
    return menus;
}

} // namespace

void DestroyMenuEx(QWidget* owner)
{
    auto& menus = OpenMenus();
    const auto found = menus.find(owner);
    if (found == menus.end()) {
        return;
    }
    QPointer<LibraryMenu> menu = found->second;
    menus.erase(found);
    delete menu.data();
}

bool HasMenuEx(QWidget* owner)
{
    const auto found = OpenMenus().find(owner);
    return found != OpenMenus().end() && found->second != nullptr && found->second->IsOpen();
}

int CreateMenuEx(QWidget* owner, int number, QPoint point, uint32_t, uint32_t colour2,
                 uint32_t colour3, const QString& image1, const QString& image2,
                 const QString& image3, const QString&, const QString& image5,
                 const QString& image6, const QString& image7, const QString&,
                 const MenuItemEx* items, int count)
{
    if (owner == nullptr || items == nullptr || count <= 0 || number <= 0) {
        return 0;
    }
    DestroyMenuEx(owner);
    CWndPopup::Look look;
    look.itemHeight = number;
    look.corner = 0;
    look.itemNormal = LoadPictureForScreen(image1);
    look.itemOver = LoadPictureForScreen(image2);
    look.itemDown = LoadPictureForScreen(image3);
    look.subNormal = LoadPictureForScreen(image5);
    look.subOver = LoadPictureForScreen(image6);
    look.subDown = LoadPictureForScreen(image7);
    look.background = look.itemNormal;
    // The items are drawn dark, in the language menu's look: their text is the kit's normal
    // one, not the first colour (meant for light items).
    look.text = ToQColor(kitcolours::kTextNormal);
    look.highlightText = FromColorRef(colour2);
    look.frame = FromColorRef(colour3);
    const std::span<const MenuItemEx> records(items, static_cast<size_t>(count));
    auto* menu = new LibraryMenu(owner, look, ToItems(BuildMenuTree(records)));
    QPointer<QWidget> target(owner);
    QObject::connect(menu, &CMenuEx::chosen, owner, [target](uint32_t id) {
        if (target != nullptr) {
            QCoreApplication::postEvent(target, new MenuChoiceEvent(id));
        }
    });
    QObject::connect(menu, &CMenuEx::closed, owner, [owner, menu] {
        auto& menus = OpenMenus();
        const auto found = menus.find(owner);
        if (found != menus.end() && found->second == menu) {
            menus.erase(found);
            menu->deleteLater();
        }
    });
    QObject::connect(owner, &QObject::destroyed, [owner] { OpenMenus().erase(owner); });
    OpenMenus()[owner] = menu;
    menu->Open(point);
    return 1;
}

} // namespace qx71::gui
