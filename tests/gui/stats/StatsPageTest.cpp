// The statistics page offscreen on the skins the build drew: hook events and cursor samples
// reach the numbers, the trophies follow the level, the reset asks first, hints 54 and 55.
#include "core/stats/StatsPageGeometry.h"
#include "support/gui/PageContextFixture.h"

#include "gui/stats/CDlgSts.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"
#include "support/gui/QtTestHelpers.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

using test::Drawn;
using test::Mouse;

class StatsPage : public ::testing::Test {
protected:
    void Open(bool installChinese = false)
    {
        page = std::make_unique<CDlgSts>(fixture.Context(), installChinese, nullptr);
        page->show();
        Drawn(*page); // one paint
    }
    void TearDown() override
    {
        fixture.clock.Open();
        page.reset();
    }
    void Event(uint32_t code)
    {
        fixture.stats.Count(code); // the window counts, then copies the event to the page
        page->OnHookEvent(code, 0);
    }
    CGDIBitmapBtn* ButtonAt(const Rect& r)
    {
        return qobject_cast<CGDIBitmapBtn*>(page->childAt(ToQRect(r).center()));
    }

    test::PageContextFixture fixture{QX71_TEST_INSTALL_DIR_TEXT};
    std::unique_ptr<CDlgSts> page;
};

TEST_F(StatsPage, HookEventsAndSamplesReachTheNumbers)
{
    fixture.cursor.px = 100;
    fixture.cursor.py = 100;
    Open();
    for (uint32_t code : {0x201u, 0x201u, 0x204u, 0x207u, 0x20A01u, 0x20A00u, 0x1020Bu}) {
        Event(code);
    }
    Drawn(*page);
    const char* texts[] = {"2", "1", "1", "4", "1", "1", "2", "0.00"};
    for (size_t row = 0; row < stats::kValueRows; ++row) {
        EXPECT_EQ(page->LastPaint().values[row].text, texts[row]) << row;
    }

    // The sampler reads the pointer on its thread and posts; the distance grows by the
    // city-block step.
    fixture.cursor.px = 130;
    fixture.cursor.py = 140;
    fixture.clock.Step(CursorSampler::kSlicesPerInterval);
    for (int i = 0; i < 2000 && fixture.stats.Record().distance == 0; ++i) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    EXPECT_EQ(fixture.stats.Record().distance, 70u);
}

TEST_F(StatsPage, TrophiesFollowTheLevel)
{
    // 4,000,000 clicks: level 8.
    test::WriteAll(fixture.data / "Sts.cfg", StatsToBytes({4000000, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(fixture.stats.Load());
    Open();
    EXPECT_EQ(page->LastPaint().level, 8);
    CGDIBitmapBtn* strip = ButtonAt({631, 62, 631 + 21, 77});
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->geometry(), QRect(631, 62, 189, 15));
    for (int i = 0; i < stats::kSmallTrophyCount; ++i) {
        CGDIBitmapBtn* trophy = ButtonAt(stats::SmallTrophy(i));
        ASSERT_NE(trophy, nullptr) << i;
        EXPECT_EQ(trophy->IsChecked(), i <= 8) << i;
    }
    // The large picture is the level's own.
    const QImage large = Drawn(*page).copy(ToQRect(stats::kLargeTrophy));
    const QImage expected =
        LoadSkin("trophy/trophy8Down.bmp").toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(large.pixelColor(149, 300), expected.pixelColor(149, 300));
    EXPECT_EQ(large.pixelColor(100, 100), expected.pixelColor(100, 100));
}

TEST_F(StatsPage, ResetAsksFirstAndSaves)
{
    Open();
    Event(0x201);
    fixture.questions.answer = false;
    page->Reset();
    ASSERT_EQ(fixture.questions.asked.size(), 1u);
    EXPECT_EQ(fixture.questions.asked[0], u"Do you want to reset trophy data ?");
    EXPECT_EQ(fixture.stats.Record().leftClicks, 1u);

    fixture.questions.answer = true;
    page->Reset();
    EXPECT_EQ(fixture.stats.Record().leftClicks, 0u);
    EXPECT_TRUE(std::filesystem::exists(fixture.data / "Sts.cfg"));
    Drawn(*page);
    EXPECT_EQ(page->LastPaint().values[0].text, "0");
}

TEST_F(StatsPage, HintsOverTheLargeTrophyAndTheReset)
{
    Open();
    CGDIBitmapBtn* large = ButtonAt(stats::kLargeTrophy);
    CGDIBitmapBtn* reset = ButtonAt(stats::kResetButton);
    ASSERT_NE(large, nullptr);
    ASSERT_NE(reset, nullptr);
    Mouse(large, QEvent::MouseMove, QPoint(10, 10));
    Mouse(reset, QEvent::MouseMove, QPoint(10, 10));
    // The grown pixel beside the reset button belongs to the page itself.
    Mouse(page.get(), QEvent::MouseMove, QPoint(stats::kResetButton.left - 1, 390));
    Mouse(page.get(), QEvent::MouseMove, QPoint(650, 440));
    EXPECT_EQ(fixture.hints, (std::vector<int>{54, 55, 55}));
}

TEST_F(StatsPage, ValueBoxesFollowTheInstallation)
{
    Open(true);
    EXPECT_EQ(page->LastPaint().values[0].box, (Rect{167, 85, 242, 106}));
    EXPECT_EQ(page->LastPaint().values[7].box, (Rect{187, 384, 262, 404}));
}

} // namespace
} // namespace qx71::gui
