#include "SkinButtonFixture.h"
#include "core/app/MainWindowGeometry.h"
#include "core/widgets/KitColours.h"
#include "gui/widgets/CIrrButton.h"
#include "gui/widgets/QtConvert.h"
#include "support/gui/QtTestHelpers.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

using test::CountNear;
using test::Drawn;
using test::Mouse;

// Profile 1: (342,608) (435,608) (414,635) (321,635); its box starts at (321, 608).
class RegionButton : public test::SkinButtonFixture<CIrrButton> {
protected:
    RegionButton() : SkinButtonFixture({960, 650}, mainwindow::kProfileButtons[0], 7)
    {
        button.SetSheets(Sheet(kNormal), Sheet(kHover), Sheet(kPressed), QPixmap());
        test::UseSolidText(button);
        parent.show();
    }
};

TEST_F(RegionButton, WindowIsTheBoundingBoxAndDrawingIsClippedToTheRegion)
{
    EXPECT_EQ(button.geometry(), QRect(321, 608, 114, 27));
    QPixmap sheet(960, 650);
    sheet.fill(Qt::black);
    {
        QPainter p(&sheet);
        p.fillRect(QRect(321, 608, 114, 27), kNormal);
    }
    button.SetSheets(sheet, sheet, sheet, sheet);
    const QImage image = Drawn(button);
    EXPECT_EQ(image.pixelColor(30, 20), kNormal); // inside the polygon
    EXPECT_NE(image.pixelColor(0, 0), kNormal);   // box corner left of the slant
    EXPECT_NE(image.pixelColor(113, 1), kNormal); // box corner right of the slant
    EXPECT_FALSE(button.Region().contains(QPoint(0, 0)));
    EXPECT_TRUE(button.Region().contains(QPoint(57, 13)));
}

TEST_F(RegionButton, HoverOnlyInsideThePolygon)
{
    Mouse(&button, QEvent::MouseMove, {1, 1});
    EXPECT_FALSE(button.IsHovering());
    Mouse(&button, QEvent::MouseMove, {57, 13});
    EXPECT_TRUE(button.IsHovering());
    EXPECT_EQ(Drawn(button).pixelColor(30, 20), kHover);
    Mouse(&button, QEvent::MouseMove, {112, 2});
    EXPECT_FALSE(button.IsHovering());
    EXPECT_EQ(Drawn(button).pixelColor(30, 20), kNormal);
}

TEST_F(RegionButton, AHoverSheetGivenLaterIsTheNormalImageUntilThen)
{
    button.SetSheets(Sheet(kNormal), QPixmap(), Sheet(kPressed), QPixmap());
    Mouse(&button, QEvent::MouseMove, {57, 13});
    ASSERT_TRUE(button.IsHovering());
    EXPECT_EQ(Drawn(button).pixelColor(30, 20), kNormal);
    button.SetHoverSheet(Sheet(kHover));
    EXPECT_EQ(Drawn(button).pixelColor(30, 20), kHover);
}

TEST_F(RegionButton, ADoubleClickIsOnePress)
{
    QSignalSpy clicks(&button, &CIrrButton::clicked);
    // The second click of a double click arrives as a double-click event and a release.
    Mouse(&button, QEvent::MouseButtonPress, {57, 13});
    Mouse(&button, QEvent::MouseButtonRelease, {57, 13});
    Mouse(&button, QEvent::MouseButtonDblClick, {57, 13});
    Mouse(&button, QEvent::MouseButtonRelease, {57, 13});
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks[1][0].toInt(), 7);
    // On its own, a double-click event and its release make exactly one press.
    Mouse(&button, QEvent::MouseButtonDblClick, {57, 13});
    Mouse(&button, QEvent::MouseButtonRelease, {57, 13});
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(RegionButton, PressOutsideThePolygonIsNoClick)
{
    QSignalSpy clicks(&button, &CIrrButton::clicked);
    Mouse(&button, QEvent::MouseButtonPress, {1, 1});
    Mouse(&button, QEvent::MouseButtonRelease, {1, 1});
    Mouse(&button, QEvent::MouseButtonPress, {57, 13});
    Mouse(&button, QEvent::MouseButtonRelease, {1, 1}); // released outside
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button.IsHovering());
}

TEST_F(RegionButton, CaptionAtTheAnchorInTheStateColour)
{
    button.SetCaption(QStringLiteral("P1"));
    // Two characters: x = 57 - 12 + 5 = 50, y = 13 - 6 = 7.
    const QImage image = Drawn(button);
    const QColor normal = ToQColor(kitcolours::kTextNormal);
    EXPECT_GT(CountNear(image, QRect(50, 7, 20, 14), normal, 6), 5);
    EXPECT_EQ(CountNear(image, QRect(0, 0, 49, 27), normal, 40), 0);
    EXPECT_EQ(CountNear(image, QRect(72, 0, 42, 27), normal, 40), 0);

    Mouse(&button, QEvent::MouseMove, {57, 13});
    EXPECT_GT(TextPixels(kitcolours::kTextHover), 5);
    button.SetSelected(true);
    EXPECT_EQ(Drawn(button).pixelColor(30, 20), kPressed);
    EXPECT_GT(TextPixels(kitcolours::kTextPressed), 5);
    EXPECT_EQ(TextPixels(kitcolours::kTextHover), 0);
}

TEST_F(RegionButton, DisabledUsesTheNormalImageWithoutADisabledSheetAndDoesNotClick)
{
    QSignalSpy clicks(&button, &CIrrButton::clicked);
    button.SetCaption(QStringLiteral("P1"));
    button.setEnabled(false);
    EXPECT_EQ(Drawn(button).pixelColor(30, 20), kNormal);
    EXPECT_GT(TextPixels(kitcolours::kTextDisabled), 5);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(57, 13));
    EXPECT_EQ(clicks.count(), 0);
}

} // namespace
} // namespace qx71::gui

namespace qx71::gui {
namespace {

TEST_F(RegionButton, ADisabledSelectedButtonKeepsADimmedMark)
{
    button.SetCaption(QStringLiteral("P1"));
    button.SetSelected(true);
    button.setEnabled(false);
    const QImage image = Drawn(button);
    const QColor mark = ToQColor(kitcolours::kTextDisabledMark);
    // The frame along the region's edge and the caption, in the mark's colour; the face is
    // the disabled (here the normal) one, not the pressed one.
    EXPECT_EQ(image.pixelColor(30, 20), kNormal);
    EXPECT_GT(test::CountNear(image, QRect(20, 0, 70, 2), mark, 6), 50);
    EXPECT_GT(test::CountNear(image, QRect(50, 7, 20, 14), mark, 6), 5);
    button.SetSelected(false);
    EXPECT_EQ(test::CountNear(Drawn(button), button.rect(), mark, 6), 0);
    EXPECT_GT(TextPixels(kitcolours::kTextDisabled), 5);
}

} // namespace
} // namespace qx71::gui
