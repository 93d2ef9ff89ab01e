#include "core/macro/GameMenu.h"
#include "core/widgets/KitColours.h"
#include "core/widgets/PopupMenuLayout.h"
#include "gui/widgets/CMenuExA.h"
#include "gui/widgets/CWndPopup.h"
#include "gui/widgets/CXPMenu.h"
#include "gui/widgets/MenuExLibrary.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"
#include "support/gui/QtTestHelpers.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>

namespace qx71::gui {
namespace {

using test::Mouse;

// A page that keeps the menu choices it is sent.
class Owner : public QWidget {
public:
    std::vector<uint32_t> choices;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == MenuChoiceEvent::kType) {
            choices.push_back(static_cast<MenuChoiceEvent*>(e)->LParam());
            return true;
        }
        return QWidget::event(e);
    }
};

MenuItemEx Item(uint32_t parent, uint32_t id, std::u16string_view text)
{
    MenuItemEx item;
    item.parent = parent;
    item.itemId = id;
    std::copy(text.begin(), text.end(), item.text);
    return item;
}

int Open(Owner& owner, const MenuItemEx* items, int count, QPoint at = QPoint(100, 100))
{
    const auto paths =
        GameMenuImagePaths(std::filesystem::path(SkinDir().toStdString()).parent_path());
    QString p[8];
    for (size_t i = 0; i < 8; ++i) {
        p[i] = QString::fromStdString(paths[i].string());
    }
    return CreateMenuEx(&owner, static_cast<int>(kGameMenuNumber), at, kGameMenuColours[0],
                        kGameMenuColours[1], kGameMenuColours[2], p[0], p[1], p[2], p[3], p[4],
                        p[5], p[6], p[7], items, count);
}

std::vector<CWndPopup*> VisiblePopups(QWidget& owner)
{
    std::vector<CWndPopup*> shown;
    for (CWndPopup* popup : owner.findChildren<CWndPopup*>()) {
        if (popup->isVisible()) {
            shown.push_back(popup);
        }
    }
    return shown;
}

QPoint ItemCentre(int index, int itemHeight, int width)
{
    return QPoint(width / 2, popupmenu::kTopMargin + index * itemHeight + itemHeight / 2);
}

void Click(QWidget* w, QPoint at)
{
    Mouse(w, QEvent::MouseMove, at);
    Mouse(w, QEvent::MouseButtonPress, at);
    Mouse(w, QEvent::MouseButtonRelease, at);
}

TEST(MenuExLibrary, DestroyWithNoMenuOpenIsHarmless)
{
    Owner owner;
    DestroyMenuEx(&owner);
    DestroyMenuEx(&owner);
    DestroyMenuEx(nullptr);
    EXPECT_FALSE(HasMenuEx(&owner));
}

TEST(MenuExLibrary, ChoiceReachesTheOwnerAsAnEventWithTheItemId)
{
    Owner owner;
    owner.show();
    const GameMenuItems items = BuildGameMenuItems(false);
    ASSERT_EQ(Open(owner, items.data(), static_cast<int>(kGameMenuItemCount)), 1);
    EXPECT_TRUE(HasMenuEx(&owner));
    const std::vector<CWndPopup*> popups = VisiblePopups(owner);
    ASSERT_EQ(popups.size(), 1u);
    CWndPopup* popup = popups[0];
    EXPECT_EQ(popup->pos(), QPoint(100, 100));
    ASSERT_EQ(popup->Items().size(), 21u);
    EXPECT_EQ(popup->Items()[13].text, QStringLiteral("Battlefield 4"));
    EXPECT_EQ(popup->height(), popupmenu::kTopMargin + 21 * 24 + popupmenu::kBottomMargin);

    Click(popup, ItemCentre(13, 24, popup->width()));
    EXPECT_TRUE(owner.choices.empty()); // posted, not sent
    QCoreApplication::processEvents();
    ASSERT_EQ(owner.choices.size(), 1u);
    EXPECT_EQ(owner.choices[0], 14u);
    EXPECT_FALSE(HasMenuEx(&owner));
    DestroyMenuEx(&owner); // after a choice: harmless
}

TEST(MenuExLibrary, AMenuAskedToOpenNearTheScreensCornerStaysOnTheScreen)
{
    Owner owner;
    owner.show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const GameMenuItems items = BuildGameMenuItems(false);
    ASSERT_EQ(Open(owner, items.data(), 21, screen.bottomRight() - QPoint(10, 10)), 1);
    const std::vector<CWndPopup*> popups = VisiblePopups(owner);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_TRUE(screen.contains(popups[0]->geometry())) << screen.width() << "x" << screen.height();
    EXPECT_EQ(popups[0]->geometry().bottomRight(), screen.bottomRight());
    DestroyMenuEx(&owner);
}

TEST(MenuExLibrary, AtMostOneMenuPerOwnerAndDestroyCloses)
{
    Owner owner;
    owner.show();
    const GameMenuItems items = BuildGameMenuItems(true);
    ASSERT_EQ(Open(owner, items.data(), 21), 1);
    QCoreApplication::processEvents();
    ASSERT_EQ(Open(owner, items.data(), 21), 1); // a second press of the game button
    QCoreApplication::processEvents();
    EXPECT_EQ(VisiblePopups(owner).size(), 1u);
    EXPECT_TRUE(HasMenuEx(&owner));
    DestroyMenuEx(&owner);
    QCoreApplication::processEvents();
    EXPECT_TRUE(VisiblePopups(owner).empty());
    EXPECT_FALSE(HasMenuEx(&owner));
    EXPECT_EQ(Open(owner, items.data(), 0), 0);
    EXPECT_EQ(Open(owner, nullptr, 5), 0);
    EXPECT_FALSE(HasMenuEx(&owner));
}

TEST(MenuExLibrary, NestedItemsOpenAsSubMenus)
{
    Owner owner;
    owner.show();
    const MenuItemEx items[] = {Item(255, 1, u"Shooters"), Item(255, 2, u"Strategy"),
                                Item(1, 10, u"Battlefield 3"), Item(1, 11, u"Battlefield 4")};
    ASSERT_EQ(Open(owner, items, 4), 1);
    CWndPopup* popup = VisiblePopups(owner).at(0);
    ASSERT_EQ(popup->Items().size(), 2u);
    Mouse(popup, QEvent::MouseMove, ItemCentre(0, 24, popup->width()));
    ASSERT_NE(popup->SubMenu(), nullptr);
    CWndPopup* sub = popup->SubMenu();
    EXPECT_TRUE(sub->isVisible());
    ASSERT_EQ(sub->Items().size(), 2u);
    Click(sub, ItemCentre(1, 24, sub->width()));
    QCoreApplication::processEvents();
    ASSERT_EQ(owner.choices.size(), 1u);
    EXPECT_EQ(owner.choices[0], 11u);
}

// On X11 the popup's window is cut to its painted pixels: the key colour outside the rounded
// frame is not part of it, everything painted is.
TEST(PopupShape, KeyPixelsAreOutsideAndPaintedPixelsInside)
{
    const QRgb key = ToQColor(kitcolours::kPopupKey).rgb();
    QImage image(8, 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(40, 40, 40));
    image.setPixel(0, 0, key);
    image.setPixel(7, 3, key);
    const QRegion shape(ShapeOutsideKey(image, key));
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(7, 3)));
    EXPECT_TRUE(shape.contains(QPoint(1, 0)));
    EXPECT_TRUE(shape.contains(QPoint(4, 2)));
}

TEST(LanguageMenu, TwelveFlaggedItemsIn116By273AndTheChosenNumber)
{
    QWidget window;
    window.show();
    CMenuExA menu(&window);
    QSignalSpy chosen(&menu, &CMenuEx::chosen);
    menu.Open(QPoint(11, 365));
    ASSERT_TRUE(menu.IsOpen());
    CWndPopup* popup = menu.Popup();
    EXPECT_EQ(popup->size(), QSize(116, 273));
    ASSERT_EQ(popup->Items().size(), 12u);
    EXPECT_EQ(popup->Items()[11].text, QStringLiteral("Trad.Chinese"));
    EXPECT_EQ(popup->Items()[11].value, 12u);
    EXPECT_FALSE(popup->Items()[3].icon.isNull());
    EXPECT_EQ(popup->Items()[3].icon.deviceIndependentSize().toSize(), QSize(19, 11));

    // The highlighted item: a blue frame around a white fill.
    Mouse(popup, QEvent::MouseMove, ItemCentre(3, 22, 116));
    EXPECT_EQ(popup->Highlighted(), 3);
    const QImage drawn = popup->Compose();
    const QRect item = ToQRect(popupmenu::ItemRect(3, 116));
    EXPECT_EQ(drawn.pixelColor(item.left(), item.center().y()),
              ToQColor(kitcolours::kPopupHighlightFrame));
    EXPECT_EQ(drawn.pixelColor(item.right() - 3, item.center().y()), QColor(Qt::white));

    Click(popup, ItemCentre(9, 22, 116));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toUInt(), 10u);
    QCoreApplication::processEvents();
    EXPECT_FALSE(menu.IsOpen());
}

TEST(XpMenu, ReportsTheItemsCommand)
{
    CXPMenu menu;
    QSignalSpy chosen(&menu, &CXPMenu::commandChosen);
    menu.AddItem(QIcon(LoadResourceImage(1012)), QStringLiteral("Config"), 0x6000);
    QAction* exit = menu.AddItem(QIcon(LoadResourceImage(1011)), QStringLiteral("Exit"), 0x6001);
    exit->trigger();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 0x6001);
}

} // namespace
} // namespace qx71::gui
