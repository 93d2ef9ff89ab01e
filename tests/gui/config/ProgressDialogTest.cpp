#include "core/config/ProgressDialogModel.h"
#include "core/widgets/KitColours.h"
#include "gui/config/CDlgProgress.h"
#include "gui/widgets/CPngHProgressBar.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"
#include "support/gui/QtTestHelpers.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

using test::FireTimer;
using test::WhenModal;

TEST(ProgressDialog, OpensAtZeroWithTheBarAndItsText)
{
    CDlgProgress dialog;
    dialog.Prepare();
    dialog.show();
    ASSERT_NE(dialog.Bar(), nullptr);
    EXPECT_EQ(dialog.Bar()->Id(), 777);
    EXPECT_EQ(dialog.Bar()->geometry(), ToQRect(progress::kBarRect));
    EXPECT_EQ(dialog.Bar()->Value(), 0);
    EXPECT_EQ(dialog.size(), ToQSize(progress::kImageSize));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TolviQX71ProcessDlg"));
    EXPECT_GT(test::CountNear(test::Drawn(dialog), ToQRect(progress::kTextBox),
                              ToQColor(kitcolours::kGreyText), 4),
              10);
}

TEST(ProgressDialog, HundredClosesHalfASecondLaterNinetyNineAndOneFiftyDoNot)
{
    CDlgProgress dialog;
    bool openAfter99 = false, openAfter150 = false, openRightAfter100 = false;
    int fillAt42 = -1, barAt150 = -1;
    WhenModal<CDlgProgress>([&](CDlgProgress* shown) {
        shown->OnProgress(42);
        fillAt42 = shown->Bar()->FillWidth();
        shown->OnProgress(150);
        barAt150 = shown->Bar()->Value();
        openAfter150 = shown->isVisible() && !shown->CloseTimer().isActive();
        shown->OnProgress(99);
        openAfter99 = shown->isVisible() && !shown->CloseTimer().isActive();
        shown->OnProgress(100);
        openRightAfter100 = shown->isVisible();
        EXPECT_TRUE(shown->CloseTimer().isActive());
        EXPECT_EQ(shown->CloseTimer().interval(), 500);
        FireTimer(shown->CloseTimer());
    });
    dialog.exec();
    EXPECT_EQ(fillAt42, 260 * 42 / 100);
    EXPECT_EQ(barAt150, 0);
    EXPECT_TRUE(openAfter150);
    EXPECT_TRUE(openAfter99);
    EXPECT_TRUE(openRightAfter100);
    EXPECT_FALSE(dialog.isVisible());

    // Reused for the next write: it starts at 0 again.
    WhenModal<CDlgProgress>([](CDlgProgress* shown) {
        EXPECT_EQ(shown->Bar()->Value(), 0);
        EXPECT_FALSE(shown->CloseTimer().isActive());
        shown->OnWriteFailed();
    });
    dialog.exec();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ProgressDialog, KeysAndTheWindowManagersCloseDoNotDismissIt)
{
    CDlgProgress dialog;
    bool open = false;
    WhenModal<CDlgProgress>([&](CDlgProgress* shown) {
        QTest::keyClick(shown, Qt::Key_Escape);
        QTest::keyClick(shown, Qt::Key_Return);
        QTest::keyClick(shown, Qt::Key_Space);
        QTest::keyClick(shown, Qt::Key_F4, Qt::AltModifier);
        shown->close();
        open = shown->isVisible();
        shown->CloseDialog();
    });
    dialog.exec();
    EXPECT_TRUE(open);
}

TEST(ProgressDialog, WithoutItsImageItIsUnseenButStillBlocksAndClosesAtHundred)
{
    QTemporaryDir empty;
    const QString saved = SkinDir();
    SetSkinDir(empty.path());
    CDlgProgress dialog;
    WhenModal<CDlgProgress>([](CDlgProgress* shown) {
        ASSERT_NE(shown, nullptr); // it blocks like any modal dialog
        EXPECT_EQ(shown->size(), QSize(1, 1));
        shown->OnProgress(100);
        FireTimer(shown->CloseTimer());
    });
    dialog.exec();
    SetSkinDir(saved);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace qx71::gui
