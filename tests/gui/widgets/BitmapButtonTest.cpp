#include "SkinButtonFixture.h"
#include "core/widgets/KitColours.h"
#include "core/widgets/KitMessages.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "support/gui/QtTestHelpers.h"

#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

using test::CountNear;
using test::Drawn;
using test::Mouse;

const QColor kDisabled(90, 40, 40);
const QColor kChecked(200, 60, 200);
const QColor kCheckedHover(90, 200, 220);

class BitmapButton : public test::SkinButtonFixture<CGDIBitmapBtn> {
protected:
    BitmapButton() : SkinButtonFixture({300, 100}, Rect{20, 10, 140, 40}, 42)
    {
        button.SetStateImages(Sheet(kNormal), Sheet(kHover), Sheet(kPressed), Sheet(kDisabled),
                              {20, 10, 140, 40});
        parent.show();
    }

    QColor Face() { return Drawn(button).pixelColor(2, 2); }
};

TEST_F(BitmapButton, ImagesComeFromTheSheetsAtTheRectangle)
{
    QPixmap sheet(300, 100);
    sheet.fill(Qt::black);
    {
        QPainter p(&sheet);
        p.fillRect(QRect(20, 10, 120, 30), kNormal);
    }
    button.SetStateImages(sheet, sheet, sheet, sheet, {20, 10, 140, 40});
    const QImage image = Drawn(button);
    EXPECT_EQ(image.pixelColor(0, 0), kNormal);
    EXPECT_EQ(image.pixelColor(119, 29), kNormal);
}

TEST_F(BitmapButton, ReleasingOutsideClearsTheHoverImage)
{
    QSignalSpy clicks(&button, &CGDIBitmapBtn::clicked);
    Mouse(&button, QEvent::MouseMove, {10, 10});
    EXPECT_TRUE(button.IsHovering());
    EXPECT_EQ(Face(), kHover);
    Mouse(&button, QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(Face(), kPressed);
    Mouse(&button, QEvent::MouseMove, {200, 80}, Qt::NoButton, Qt::LeftButton);
    Mouse(&button, QEvent::MouseButtonRelease, {200, 80});
    EXPECT_FALSE(button.IsHovering());
    EXPECT_EQ(Face(), kNormal);
    EXPECT_EQ(clicks.count(), 0);
}

// A face given later: until then the normal one is drawn in its place, never nothing.
TEST_F(BitmapButton, AFaceGivenLaterIsTheNormalOneUntilThen)
{
    button.SetStateImages(Sheet(kNormal), QPixmap(), QPixmap(), Sheet(kNormal), {20, 10, 140, 40});
    Mouse(&button, QEvent::MouseMove, {10, 10});
    EXPECT_EQ(Face(), kNormal);
    Mouse(&button, QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(Face(), kNormal);
    button.SetStateImage(ButtonImage::Pressed, Sheet(kPressed), {20, 10, 140, 40});
    EXPECT_EQ(Face(), kPressed);
    Mouse(&button, QEvent::MouseButtonRelease, {10, 10});
    button.SetStateImage(ButtonImage::Hover, Sheet(kHover), {20, 10, 140, 40});
    EXPECT_EQ(Face(), kHover);
}

TEST_F(BitmapButton, CaptionColourPerState)
{
    button.SetCaption(QStringLiteral("WWWW"));
    button.SetLargeText(true);
    test::UseSolidText(button);
    EXPECT_GT(TextPixels(kitcolours::kTextNormal), 10);
    EXPECT_EQ(TextPixels(kitcolours::kTextHover), 0);

    Mouse(&button, QEvent::MouseMove, {10, 10});
    EXPECT_GT(TextPixels(kitcolours::kTextHover), 10);
    EXPECT_EQ(TextPixels(kitcolours::kTextNormal), 0);

    Mouse(&button, QEvent::MouseButtonPress, {10, 10});
    EXPECT_GT(TextPixels(kitcolours::kTextPressed), 10);
    Mouse(&button, QEvent::MouseButtonRelease, {10, 10});

    button.setEnabled(false);
    EXPECT_EQ(Face(), kDisabled);
    EXPECT_GT(TextPixels(kitcolours::kTextDisabled), 10);
}

TEST_F(BitmapButton, DisabledWithoutADisabledFaceIsVeiledWithItsCaptionReadable)
{
    const QPixmap normal = Sheet(kNormal);
    button.SetStateImages(normal, Sheet(kHover), Sheet(kPressed), normal, {20, 10, 140, 40});
    button.SetCaption(QStringLiteral("WWWW"));
    test::UseSolidText(button);
    EXPECT_EQ(Face(), kNormal);
    button.setEnabled(false);
    // The normal face under the panel's colour: darker, still the same face.
    const QColor veiled = Face();
    EXPECT_LT(veiled.lightness(), kNormal.lightness());
    EXPECT_GT(veiled.blue(), veiled.red());
    EXPECT_GT(TextPixels(kitcolours::kTextDisabled), 10);
}

TEST_F(BitmapButton, LongCaptionEndsWithAnEllipsisInsideTheInsets)
{
    button.SetCaption(QStringLiteral("A caption far too long for this small button"));
    test::UseSolidText(button);
    const QImage image = Drawn(button);
    const QColor text = ToQColor(kitcolours::kTextNormal);
    // Nothing in the 8 px on the left and the 5 px on the right.
    EXPECT_EQ(CountNear(image, QRect(0, 0, 8, 30), text, 60), 0);
    EXPECT_EQ(CountNear(image, QRect(115, 0, 5, 30), text, 60), 0);
    EXPECT_GT(CountNear(image, QRect(8, 0, 107, 30), text, 6), 10);
}

TEST_F(BitmapButton, ToggleWithCheckedImages)
{
    button.SetCheckedImages(Sheet(kChecked), Sheet(kCheckedHover), {20, 10, 140, 40});
    button.SetUseCheckedImages(true);
    button.SetToggle(true);
    Mouse(&button, QEvent::MouseButtonPress, {10, 10});
    Mouse(&button, QEvent::MouseButtonRelease, {10, 10});
    EXPECT_TRUE(button.IsChecked());
    EXPECT_EQ(Face(), kCheckedHover);
    Mouse(&button, QEvent::MouseMove, {200, 80});
    EXPECT_EQ(Face(), kChecked);
    Mouse(&button, QEvent::MouseButtonPress, {10, 10});
    Mouse(&button, QEvent::MouseButtonRelease, {10, 10});
    EXPECT_FALSE(button.IsChecked());
    EXPECT_EQ(Face(), kHover);
}

TEST_F(BitmapButton, NotifiesPressAndReleaseAndCountsEachPressOfADoubleClick)
{
    button.SetNotify(true);
    QSignalSpy notes(&button, &CGDIBitmapBtn::notified);
    QSignalSpy clicks(&button, &CGDIBitmapBtn::clicked);
    Mouse(&button, QEvent::MouseButtonPress, {10, 10});
    Mouse(&button, QEvent::MouseButtonRelease, {10, 10});
    Mouse(&button, QEvent::MouseButtonDblClick, {10, 10});
    Mouse(&button, QEvent::MouseButtonRelease, {10, 10});
    ASSERT_EQ(notes.count(), 4);
    EXPECT_EQ(notes[0][0].toInt(), kitmessages::kButtonPress);
    EXPECT_EQ(notes[1][0].toInt(), kitmessages::kButtonRelease);
    EXPECT_EQ(notes[2][0].toInt(), kitmessages::kButtonPress);
    EXPECT_EQ(notes[0][1].toInt(), 42);
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks[0][0].toInt(), 42);
}

TEST_F(BitmapButton, MouseMovesReachTheParentInItsCoordinates)
{
    QSignalSpy moves(&button, &CGDIBitmapBtn::mouseMoved);
    Mouse(&button, QEvent::MouseMove, {5, 6});
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0][1].toPoint(), QPoint(25, 16));
}

TEST_F(BitmapButton, AccessibleNameFromTooltipOrCaption)
{
    button.SetCaption(QStringLiteral("Apply"));
    EXPECT_EQ(button.accessibleName(), QStringLiteral("Apply"));
    button.SetToolTipText(QStringLiteral("Write the settings"));
    EXPECT_EQ(button.accessibleName(), QStringLiteral("Write the settings"));
}

} // namespace
} // namespace qx71::gui
