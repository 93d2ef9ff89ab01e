#include "core/widgets/SliderMath.h"
#include "core/widgets/SliderSkins.h"
#include "gui/widgets/CPngHProgressBar.h"
#include "gui/widgets/CPngHSlider.h"
#include "gui/widgets/CPngHSliderBar.h"
#include "gui/widgets/Skins.h"
#include "support/gui/QtTestHelpers.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

using test::Mouse;

// A 1..5 track from x 40 to 240 with a 14 px thumb above it.
class Slider : public ::testing::Test {
protected:
    Slider()
        : bar(Rect{40, 50, 240, 58}, LoadSkin(sliderskins::kTrack), &page, 9),
          thumb(LoadSkin(sliderskins::kThumb), SliderTrack{40, 240, 14}, 44, &page, 9)
    {
        page.resize(300, 100);
        thumb.SetRange(1, 5);
        bar.SetSlider(&thumb);
        page.show();
    }

    QWidget page;
    CPngHSliderBar bar;
    CPngHSlider thumb;
};

TEST_F(Slider, AClickAt94PercentOfA1To5TrackSelects5)
{
    QSignalSpy moves(&bar, &CPngHSliderBar::moved);
    Mouse(&bar, QEvent::MouseButtonPress, {188, 4}); // 188 of 200 pixels
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0][0].toInt(), 5);
    EXPECT_EQ(moves[0][1].toInt(), 9);
    EXPECT_EQ(thumb.Value(), 5);
    EXPECT_EQ(thumb.x(), 240 - 14);
    Mouse(&bar, QEvent::MouseButtonPress, {100, 4}); // half way: 1 + 4 * 100 / 200
    EXPECT_EQ(thumb.Value(), 3);
    EXPECT_EQ(thumb.x(), 40 + (200 - 14) * 2 / 4);
}

TEST_F(Slider, ADisabledTrackIgnoresClicks)
{
    QSignalSpy moves(&bar, &CPngHSliderBar::moved);
    bar.setEnabled(false);
    Mouse(&bar, QEvent::MouseButtonPress, {188, 4});
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(thumb.Value(), 1);
}

TEST_F(Slider, AValueAboveTheMaximumShowsTheMinimum)
{
    thumb.SetValue(4);
    EXPECT_EQ(thumb.Value(), 4);
    thumb.SetValue(6);
    EXPECT_EQ(thumb.Value(), 1);
    EXPECT_EQ(thumb.x(), 40);
    CPngHProgressBar progress(Rect{10, 10, 210, 20}, &page);
    progress.SetRange(0, 100);
    progress.SetValue(60);
    EXPECT_EQ(progress.FillWidth(), 120);
    progress.SetValue(101);
    EXPECT_EQ(progress.Value(), 0);
    EXPECT_EQ(progress.FillWidth(), 0);
}

TEST_F(Slider, DraggingReportsEveryValueAndStopsAtTheAllowedRange)
{
    thumb.SetAllowedRange(1, 3);
    QSignalSpy moves(&thumb, &CPngHSlider::moved);
    Mouse(&thumb, QEvent::MouseButtonPress, {7, 5});
    // Just past the left edge of value 2 (the integer maps round down there), then far right.
    const int two = SliderPositionOf({1, 5}, {40, 240, 14}, 2) + 2;
    Mouse(&thumb, QEvent::MouseMove, {two - thumb.x() + 7, 5}, Qt::NoButton, Qt::LeftButton);
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0][0].toInt(), 2);
    EXPECT_EQ(thumb.x(), two);
    Mouse(&thumb, QEvent::MouseMove, {200, 5}, Qt::NoButton, Qt::LeftButton);
    ASSERT_EQ(moves.count(), 2);
    EXPECT_EQ(moves[1][0].toInt(), 3);
    EXPECT_EQ(thumb.x(), SliderPositionOf({1, 5}, {40, 240, 14}, 3)); // put back at the limit
    Mouse(&thumb, QEvent::MouseButtonRelease, {7, 5});
    EXPECT_FALSE(thumb.IsDragging());
}

TEST_F(Slider, ProgressBarDragReportsTheValueOnRelease)
{
    CPngHProgressBar progress(Rect{10, 10, 210, 20}, &page, 3);
    progress.SetRange(0, 100);
    QSignalSpy ended(&progress, &CPngHProgressBar::dragEnded);
    Mouse(&progress, QEvent::MouseButtonPress, {50, 5});
    Mouse(&progress, QEvent::MouseMove, {100, 5}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(progress.Value(), 50);
    EXPECT_EQ(ended.count(), 0);
    Mouse(&progress, QEvent::MouseButtonRelease, {150, 5});
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended[0][0].toInt(), 75);
    EXPECT_EQ(ended[0][1].toInt(), 3);
    // Read-only: no drag.
    progress.SetReadOnly(true);
    Mouse(&progress, QEvent::MouseButtonPress, {10, 5});
    Mouse(&progress, QEvent::MouseButtonRelease, {10, 5});
    EXPECT_EQ(progress.Value(), 75);
    EXPECT_EQ(ended.count(), 1);
}

} // namespace
} // namespace qx71::gui
