// The pages hold their pictures only while they show: created hidden they load none, a hide
// lets go of them, and a page shown again draws exactly what it drew before.
#include "support/gui/PageContextFixture.h"

#include "gui/app/CMainPage.h"
#include "gui/buttons/CDlgMainSet.h"
#include "gui/widgets/UiLanguage.h"
#include "support/gui/QtTestHelpers.h"

#include <QApplication>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

namespace qx71::gui {
namespace {

// A blank drawing would make two drawings equal for nothing: the skins draw many colours.
int Colours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

constexpr int kManyColours = 16;

// The page as drawn with no field focused: a caret would make two drawings differ for nothing.
QImage Drawn(QWidget& page)
{
    if (QWidget* focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    return test::Drawn(page);
}

class PageSkins : public ::testing::TestWithParam<MainPage> {
protected:
    // The statistics page's sampler sleeps on the test clock; it must wake to be joined.
    void TearDown() override { fixture.clock.Open(); }

    test::PageContextFixture fixture{QX71_TEST_INSTALL_DIR_TEXT};
    QWidget window;
};

TEST_P(PageSkins, AHiddenPageHoldsNoPicturesAndDrawsTheSameWhenShownAgain)
{
    CMainPage* page = MakeMainPage(GetParam(), fixture.Context(), &window);
    EXPECT_FALSE(page->SkinsLoaded());

    window.show();
    QApplication::processEvents();
    ASSERT_TRUE(page->SkinsLoaded());
    const QImage first = Drawn(*page);
    EXPECT_GT(Colours(first), kManyColours);

    page->hide();
    EXPECT_FALSE(page->SkinsLoaded());
    page->show();
    EXPECT_TRUE(page->SkinsLoaded());
    EXPECT_EQ(Drawn(*page), first);

    // The window hidden to the tray takes the page's pictures along.
    window.hide();
    EXPECT_FALSE(page->SkinsLoaded());
    window.show();
    EXPECT_EQ(Drawn(*page), first);
}

INSTANTIATE_TEST_SUITE_P(EachPage, PageSkins,
                         ::testing::Values(MainPage::Buttons, MainPage::Lighting, MainPage::Macros,
                                           MainPage::Statistics, MainPage::Support));

TEST(PageSkinsLanguage, AButtonPageHiddenThroughALanguageChangeShowsTheNewLanguagesImages)
{
    test::PageContextFixture fixture{QX71_TEST_INSTALL_DIR_TEXT};
    bool chinese = true;
    SetChineseUiSource([&chinese] { return chinese; });
    {
        QWidget window;
        auto* fresh = new CDlgMainSet(fixture.Context(), &window);
        window.show();
        const QImage chineseDrawing = Drawn(*fresh);
        delete fresh;

        chinese = false;
        auto* page = new CDlgMainSet(fixture.Context(), &window);
        page->show();
        const QImage otherDrawing = Drawn(*page);
        ASSERT_NE(otherDrawing, chineseDrawing);
        page->hide();
        chinese = true;
        page->RetranslateUi();
        page->show();
        EXPECT_EQ(Drawn(*page), chineseDrawing);
    }
    SetChineseUiSource(nullptr);
}

} // namespace
} // namespace qx71::gui
