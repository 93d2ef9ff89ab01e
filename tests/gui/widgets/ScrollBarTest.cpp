#include "core/widgets/KitMessages.h"
#include "core/widgets/ScrollBarSheet.h"
#include "gui/widgets/CColorBtn.h"
#include "gui/widgets/CSkinScrollBar.h"
#include "gui/widgets/CSkinScrollWnd.h"
#include "gui/widgets/Skins.h"
#include "support/gui/QtTestHelpers.h"

#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

namespace km = kitmessages;
using test::FireTimer;
using test::Mouse;

class ScrollBar : public ::testing::Test {
protected:
    ScrollBar() : bar(Qt::Vertical, LoadSkin(scrollbar::kSheet), &page, 101)
    {
        page.resize(100, 300);
        bar.setGeometry(0, 0, 16, 200);
        bar.SetRange(0, 40, 10);
        page.show();
    }

    QWidget page;
    CSkinScrollBar bar;
};

TEST_F(ScrollBar, ArrowStepsOnceThenRepeatsAfterTheDelayUntilRelease)
{
    QSignalSpy scrolled(&bar, &CSkinScrollBar::scrolled);
    const QPoint down = bar.LineDownRect().center();
    Mouse(&bar, QEvent::MouseButtonPress, down);
    ASSERT_EQ(scrolled.count(), 1); // one step at once
    EXPECT_EQ(scrolled[0][0].toInt(), km::kLineDown);
    EXPECT_EQ(scrolled[0][1].toInt(), 1);
    EXPECT_EQ(scrolled[0][2].toInt(), 101);
    EXPECT_TRUE(bar.DelayTimer().isActive());
    EXPECT_EQ(bar.DelayTimer().interval(), 500);
    EXPECT_FALSE(bar.RepeatTimer().isActive());

    FireTimer(bar.DelayTimer());
    EXPECT_EQ(scrolled.count(), 1); // the delay itself does not step
    EXPECT_FALSE(bar.DelayTimer().isActive());
    ASSERT_TRUE(bar.RepeatTimer().isActive());
    EXPECT_EQ(bar.RepeatTimer().interval(), 100);
    FireTimer(bar.RepeatTimer());
    FireTimer(bar.RepeatTimer());
    EXPECT_EQ(scrolled.count(), 3);
    EXPECT_EQ(bar.Position(), 3);

    // Held but moved off the arrow: no steps.
    Mouse(&bar, QEvent::MouseMove, {8, 100}, Qt::NoButton, Qt::LeftButton);
    FireTimer(bar.RepeatTimer());
    EXPECT_EQ(scrolled.count(), 3);
    Mouse(&bar, QEvent::MouseMove, down, Qt::NoButton, Qt::LeftButton);
    FireTimer(bar.RepeatTimer());
    EXPECT_EQ(scrolled.count(), 4);

    Mouse(&bar, QEvent::MouseButtonRelease, down);
    EXPECT_FALSE(bar.DelayTimer().isActive());
    EXPECT_FALSE(bar.RepeatTimer().isActive());
    ASSERT_EQ(scrolled.count(), 5);
    EXPECT_EQ(scrolled[4][0].toInt(), km::kEndScroll);
}

TEST_F(ScrollBar, AReleaseBeforeTheDelayStopsEverything)
{
    QSignalSpy scrolled(&bar, &CSkinScrollBar::scrolled);
    Mouse(&bar, QEvent::MouseButtonPress, bar.LineUpRect().center());
    EXPECT_EQ(bar.Position(), 0); // already at the top
    Mouse(&bar, QEvent::MouseButtonRelease, bar.LineUpRect().center());
    EXPECT_FALSE(bar.DelayTimer().isActive());
    ASSERT_EQ(scrolled.count(), 2);
    EXPECT_EQ(scrolled[0][0].toInt(), km::kLineUp);
    EXPECT_EQ(scrolled[1][0].toInt(), km::kEndScroll);
}

TEST_F(ScrollBar, ThumbDragTracksAndEndsWithThePosition)
{
    QSignalSpy scrolled(&bar, &CSkinScrollBar::scrolled);
    const QRect thumb = bar.ThumbRect();
    Mouse(&bar, QEvent::MouseButtonPress, thumb.center());
    Mouse(&bar, QEvent::MouseMove, thumb.center() + QPoint(0, 500), Qt::NoButton, Qt::LeftButton);
    ASSERT_EQ(scrolled.count(), 1);
    EXPECT_EQ(scrolled[0][0].toInt(), km::kThumbTrack);
    EXPECT_EQ(scrolled[0][1].toInt(), 40);
    Mouse(&bar, QEvent::MouseButtonRelease, thumb.center() + QPoint(0, 500));
    ASSERT_GE(scrolled.count(), 2);
    EXPECT_EQ(scrolled[1][0].toInt(), km::kThumbPosition);
    EXPECT_EQ(scrolled[1][1].toInt(), 40);
}

TEST(ScrollHost, HostsTheListAndItsBarsFollowIt)
{
    QWidget page;
    page.resize(300, 300);
    auto* list = new QListWidget(&page);
    list->setGeometry(10, 10, 150, 120);
    for (int i = 0; i < 40; ++i) {
        list->addItem(QStringLiteral("Item %1").arg(i));
    }
    page.show();
    CSkinScrollWnd host(&page);
    QSignalSpy styles(&host, &CSkinScrollWnd::scrollStylesChanged);
    host.Attach(list, LoadSkin(scrollbar::kSheet));
    EXPECT_EQ(host.geometry(), QRect(10, 10, 150, 120));
    EXPECT_EQ(list->parentWidget(), host.Frame());
    EXPECT_EQ(host.Frame()->objectName(), QStringLiteral("LIMIT"));
    EXPECT_EQ(host.VerticalBar()->Id(), 101);
    EXPECT_EQ(host.HorizontalBar()->Id(), 100);
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(host.VerticalBar()->isVisible());
    EXPECT_FALSE(host.HorizontalBar()->isVisible());
    ASSERT_GE(styles.count(), 1);
    EXPECT_TRUE(styles[0][0].toBool());
    EXPECT_TRUE(host.SyncTimer().isActive());
    EXPECT_EQ(host.SyncTimer().interval(), 500);

    Mouse(host.VerticalBar(), QEvent::MouseButtonPress,
          host.VerticalBar()->LineDownRect().center());
    Mouse(host.VerticalBar(), QEvent::MouseButtonRelease,
          host.VerticalBar()->LineDownRect().center());
    EXPECT_EQ(list->verticalScrollBar()->value(), 1);
    list->verticalScrollBar()->setValue(7);
    EXPECT_EQ(host.VerticalBar()->Position(), 7);
}

TEST(ColourButton, PaintsItsColourAndClicks)
{
    QWidget page;
    page.resize(100, 100);
    CColorBtn swatch(Rect{10, 10, 40, 30}, &page, 5);
    swatch.SetColour(QColor(10, 200, 30));
    page.show();
    EXPECT_EQ(test::Drawn(swatch).pixelColor(15, 10), QColor(10, 200, 30));
    QSignalSpy clicks(&swatch, &CColorBtn::clicked);
    Mouse(&swatch, QEvent::MouseMove, {5, 5});
    EXPECT_TRUE(swatch.IsHovering());
    Mouse(&swatch, QEvent::MouseButtonPress, {5, 5});
    Mouse(&swatch, QEvent::MouseButtonRelease, {60, 60});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(swatch.IsHovering());
    Mouse(&swatch, QEvent::MouseButtonPress, {5, 5});
    Mouse(&swatch, QEvent::MouseButtonRelease, {5, 5});
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 5);
}

} // namespace
} // namespace qx71::gui
