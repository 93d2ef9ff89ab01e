// The button assignment page offscreen on the skins the build drew: a tab opens the function
// chooser for its input and what the chooser gives lands in the profile; the spots follow the
// pointer on the 200 ms timer; the lines field is cleaned on the 4 s timer and before Apply.
#include "core/buttons/ComboText.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/buttons/MainSetGeometry.h"
#include "core/config/FixedText.h"
#include "core/widgets/KitColours.h"
#include "support/MacroFixtures.h"
#include "support/gui/PageContextFixture.h"

#include "gui/buttons/CDlgMainSet.h"
#include "gui/buttons/CSettingDlg.h"
#include "gui/buttons/CSetting_BaseDlg.h"
#include "gui/buttons/CSetting_SingleComboDlg.h"
#include "gui/widgets/CBitmapEdit.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CIrrButton.h"
#include "gui/widgets/CListBoxEx.h"
#include "gui/widgets/CPngHSlider.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/UiLanguage.h"
#include "support/gui/QtTestHelpers.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

using test::Click;
using test::Mouse;

namespace ms = mainset;

// A point well inside tab `i`, in the page's pixels.
QPoint TabPoint(size_t i)
{
    const Quad& tab = ms::kTabs[i];
    return {(tab[0].x + tab[1].x + tab[2].x + tab[3].x) / 4, (tab[0].y + tab[2].y) / 2};
}

// Clicks a tab the way the user does: at its place on the page, into the tab's own window.
void ClickTab(CDlgMainSet& page, size_t i)
{
    CIrrButton* tab = page.Tab(static_cast<ButtonIndex>(i));
    Click(tab, tab->mapFrom(&page, TabPoint(i)));
}

class MainSetPage : public ::testing::Test {
protected:
    MainSetPage()
    {
        page = std::make_unique<CDlgMainSet>(fixture.Context(), nullptr);
        page->show();
    }
    ProfileRecord& profile() { return fixture.store.CurrentProfile(); }

    test::PageContextFixture fixture{QX71_TEST_INSTALL_DIR_TEXT};
    std::unique_ptr<CDlgMainSet> page;
};

TEST_F(MainSetPage, ATabOpensTheChooserForItsInputAndABasicChoiceIsStoredAndHighlighted)
{
    ASSERT_EQ(profile().buttons[1].function, ToCode(ButtonFunction::Middle));
    EXPECT_FALSE(page->Tab(ButtonIndex::Middle)->IsSelected());
    ClickTab(*page, 1);
    CSettingDlg* chooser = page->OpenChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(chooser->windowModality(), Qt::WindowModal);
    EXPECT_EQ(chooser->Model().Button(), ButtonIndex::Middle);
    EXPECT_EQ(page->Model().SelectedTab(), 1);
    // The key page is shown first, and the hook's keys come to the page.
    EXPECT_EQ(fixture.hooks.Target(), page->Handle());
    EXPECT_TRUE(fixture.hooks.KeyRecording());
    // Another tab does nothing while the chooser is open.
    ClickTab(*page, 2);
    EXPECT_EQ(page->OpenChooser(), chooser);

    Click(chooser->Tab(ChooserPage::Basic));
    // Line 12 of the basic list: Forward (8).
    CListBoxEx* list = chooser->BasicPage()->List();
    Click(list->viewport(), list->visualItemRect(list->item(12)).center());
    Click(chooser->OkButton());
    EXPECT_EQ(page->OpenChooser(), nullptr);
    EXPECT_EQ(profile().buttons[1].function, 8);
    EXPECT_EQ(TextOf(profile().buttons[1].displayName), FunctionName(8, false));
    EXPECT_TRUE(page->Tab(ButtonIndex::Middle)->IsSelected());
    EXPECT_FALSE(page->Tab(ButtonIndex::Right)->IsSelected());
    EXPECT_EQ(page->Model().SelectedTab(), -1);
    // Every way out gives the keys back.
    EXPECT_FALSE(fixture.hooks.KeyRecording());
}

TEST_F(MainSetPage, AKeyCombinationTypedOnTheKeyPageArrivesThroughThePageAndIsStored)
{
    ClickTab(*page, 2);
    CSettingDlg* chooser = page->OpenChooser();
    ASSERT_NE(chooser, nullptr);
    // The hook posts 0x40A to the page's handle; the window hands them to the page.
    page->OnKeyEvent(0xA2, 0x00); // left Ctrl down
    page->OnKeyEvent(0xA2, 0x80); // and up: no change
    page->OnKeyEvent(0xA0, 0x00); // left Shift down
    page->OnKeyEvent(0x41, 0x00); // A
    EXPECT_TRUE(chooser->KeyPage()->ModifierBox(ComboModifier::Ctrl)->IsChecked());
    EXPECT_TRUE(chooser->KeyPage()->ModifierBox(ComboModifier::Shift)->IsChecked());
    EXPECT_FALSE(chooser->KeyPage()->ModifierBox(ComboModifier::Alt)->IsChecked());
    EXPECT_EQ(chooser->Model().KeyPage().KeyText(), u"A");
    // The name is drawn in its blue on the key page's neutral well.
    const QImage drawn = test::Drawn(*chooser->KeyPage());
    const QRect nameBox = ToQRect(chooser::keypage::kKeyNameText);
    int blue = 0;
    for (int y = nameBox.top(); y <= nameBox.bottom(); ++y) {
        for (int x = nameBox.left(); x <= nameBox.right(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            blue += c.blue() > c.red() + 40 ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 5);
    Click(chooser->OkButton());
    const ButtonAssignment& right = profile().buttons[2];
    EXPECT_EQ(right.function, ToCode(ButtonFunction::Key));
    EXPECT_EQ(right.keyCode, 0x00040300u);
    EXPECT_EQ(TextOf(right.displayName), ComboText(0x00040300u));
    EXPECT_TRUE(page->Tab(ButtonIndex::Right)->IsSelected());
}

TEST_F(MainSetPage, AWindowClosingWithTheChooserOpenTakesItAlongAndGivesTheKeysBack)
{
    ClickTab(*page, 4);
    QPointer<CSettingDlg> chooser = page->OpenChooser();
    ASSERT_FALSE(chooser.isNull());
    ASSERT_TRUE(fixture.hooks.KeyRecording());
    const ProfileRecord before = profile();
    page.reset();
    EXPECT_TRUE(chooser.isNull());
    EXPECT_FALSE(fixture.hooks.KeyRecording());
    EXPECT_EQ(profile().buttons[4].function, before.buttons[4].function);
}

TEST_F(MainSetPage, ARefusedChoiceShowsTheRuleAndChangesNothing)
{
    const ProfileRecord before = profile();
    // SNIPE on the wheel: the chooser gives it, the page refuses it.
    page->SetChooserRunner([](ButtonIndex button, const std::u16string&) {
        ChooserResult result;
        result.buttonIndex = static_cast<int32_t>(ToIndex(button));
        result.code = ToCode(ButtonFunction::Snipe);
        return std::optional<ChooserResult>(result);
    });
    ClickTab(*page, 5);
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, u"This key can not use the sniper function!");
    EXPECT_EQ(profile().buttons[5].function, before.buttons[5].function);
    EXPECT_FALSE(page->Tab(ButtonIndex::WheelForward)->IsSelected());
}

TEST_F(MainSetPage, SpotsLightWhileThePointerRestsOnTheirTabInTheForegroundWindow)
{
    QApplication::setActiveWindow(page.get());
    ASSERT_TRUE(page->isActiveWindow());
    const QPoint onRight = page->mapToGlobal(TabPoint(2));
    fixture.cursor.px = onRight.x();
    fixture.cursor.py = onRight.y();
    fixture.timers.Advance(199);
    EXPECT_FALSE(page->Spot(ButtonIndex::Right)->IsChecked());
    fixture.timers.Advance(1);
    EXPECT_TRUE(page->Spot(ButtonIndex::Right)->IsChecked());
    EXPECT_FALSE(page->Spot(ButtonIndex::Middle)->IsChecked());
    // A lit spot shows its pressed face.
    EXPECT_EQ(page->Spot(ButtonIndex::Right)->CurrentLook().image, ButtonImage::Pressed);

    // Off the tab: dark at the next tick, and another tab's spot lights instead.
    const QPoint onBack = page->mapToGlobal(TabPoint(4));
    fixture.cursor.px = onBack.x();
    fixture.cursor.py = onBack.y();
    fixture.timers.Advance(200);
    EXPECT_FALSE(page->Spot(ButtonIndex::Right)->IsChecked());
    EXPECT_TRUE(page->Spot(ButtonIndex::Back)->IsChecked());
}

TEST_F(MainSetPage, TheLinesFieldIsCleanedEveryFourSecondsAndBeforeApply)
{
    CBitmapEdit* field = page->LinesField();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("007"));
    EXPECT_EQ(field->text(), QStringLiteral("007"));
    fixture.timers.Advance(3999);
    EXPECT_EQ(field->text(), QStringLiteral("007"));
    fixture.timers.Advance(1);
    EXPECT_EQ(field->text(), QStringLiteral("7"));
    EXPECT_EQ(profile().wheelLines, 7);
    EXPECT_EQ(field->cursorPosition(), 1);

    // Letters do not get in; 99 is cut to 30 when Apply asks.
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("9x9"));
    EXPECT_EQ(field->text(), QStringLiteral("99"));
    page->BeforeApply();
    EXPECT_EQ(field->text(), QStringLiteral("30"));
    EXPECT_EQ(profile().wheelLines, 30);

    // An emptied field becomes 1; the arrows step from there.
    field->clear();
    QTest::keyClick(field, Qt::Key_Backspace);
    page->BeforeApply();
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    Click(page->UpArrow());
    EXPECT_EQ(field->text(), QStringLiteral("2"));
    EXPECT_EQ(profile().wheelLines, 2);

    // Whole screen: the field is off and the timer leaves it alone.
    Click(page->ScreenButton());
    EXPECT_EQ(profile().wheelLines, -1);
    EXPECT_FALSE(field->isEnabled());
    EXPECT_FALSE(page->UpArrow()->isEnabled());
    fixture.timers.Advance(4000);
    EXPECT_EQ(profile().wheelLines, -1);
}

TEST_F(MainSetPage, AProfileThatArrivesIsShownAtOnceAndTheTimerNeverWritesTheOldFieldBack)
{
    CBitmapEdit* field = page->LinesField();
    ASSERT_EQ(field->text(), QStringLiteral("3"));
    fixture.timers.Advance(2000);
    // An import, a switch or the defaults replace the profile; the window asks for a refresh.
    profile().wheelLines = 5;
    profile().pointerSpeed = 17;
    page->RefreshFromProfile();
    EXPECT_EQ(field->text(), QStringLiteral("5"));
    EXPECT_EQ(page->Model().SpeedSliderValue(), 17);
    fixture.timers.Advance(2000);
    fixture.timers.Advance(4000);
    EXPECT_EQ(profile().wheelLines, 5);
    EXPECT_EQ(field->text(), QStringLiteral("5"));
    page->BeforeApply();
    EXPECT_EQ(profile().wheelLines, 5);
}

TEST_F(MainSetPage, TheControlsShowTheProfileAndClicksReachIt)
{
    profile().dpiStages = {500, 2000, 3000, 0, 0, 0, 0, 0};
    profile().reportRate = 8;
    profile().pointerPrecision = 1;
    profile().pointerSpeed = 17;
    profile().wheelLines = -1;
    page->RefreshFromProfile();
    const std::array<bool, 8> shown = {
        page->DpiButton(0)->IsChecked(), page->DpiButton(1)->IsChecked(),
        page->DpiButton(2)->IsChecked(), page->DpiButton(3)->IsChecked(),
        page->DpiButton(4)->IsChecked(), page->DpiButton(5)->IsChecked(),
        page->DpiButton(6)->IsChecked(), page->DpiButton(7)->IsChecked()};
    EXPECT_EQ(shown, (std::array<bool, 8>{true, false, false, false, false, false, true, true}));
    EXPECT_EQ(page->DpiButton(0)->CurrentLook().image, ButtonImage::Pressed);
    EXPECT_EQ(page->DpiButton(1)->CurrentLook().image, ButtonImage::Normal);
    EXPECT_TRUE(page->RateButton(0)->IsChecked());
    EXPECT_FALSE(page->RateButton(2)->IsChecked());
    EXPECT_TRUE(page->AccuracyButton()->IsChecked());
    EXPECT_EQ(page->SpeedSlider()->Value(), 17);
    EXPECT_TRUE(page->ScreenButton()->IsChecked());
    EXPECT_FALSE(page->LinesField()->isEnabled());
    EXPECT_EQ(page->LinesField()->text(), QStringLiteral("1"));

    // Three are checked: a fourth stays off, a checked one goes.
    Click(page->DpiButton(3));
    Click(page->DpiButton(6));
    EXPECT_EQ(profile().dpiStages[0], 500);
    EXPECT_EQ(profile().dpiStages[1], 3000);
    EXPECT_EQ(profile().dpiStages[2], 0);
    EXPECT_FALSE(page->DpiButton(3)->IsChecked());
    Click(page->RateButton(1));
    EXPECT_EQ(profile().reportRate, 2);
    Click(page->AccuracyButton());
    EXPECT_EQ(profile().pointerPrecision, 0);
    Click(page->LinesButton());
    EXPECT_EQ(profile().wheelLines, 1);
    EXPECT_TRUE(page->LinesField()->isEnabled());
}

TEST_F(MainSetPage, ThePointerOverAControlSendsItsHint)
{
    fixture.hints.clear();
    Mouse(page->DpiButton(2), QEvent::MouseMove, {5, 5});
    Mouse(page.get(), QEvent::MouseMove, ToQPoint({ms::kAssignCaption.left + 3, 380}));
    EXPECT_EQ(fixture.hints, (std::vector<int>{12, 65}));
}

TEST(MainSetPageLanguage, TheWheelControlsFollowThePageImageOfTheBuiltInLanguage)
{
    test::PageContextFixture fixture{QX71_TEST_INSTALL_DIR_TEXT};
    bool chinese = true;
    SetChineseUiSource([&chinese] { return chinese; });
    {
        CDlgMainSet page(fixture.Context(), nullptr);
        EXPECT_TRUE(page.SheetsChinese());
        EXPECT_EQ(page.LinesButton()->geometry(), ToQRect(ms::kWheelLayoutChinese.linesButton));
        EXPECT_EQ(page.ScreenButton()->geometry(), ToQRect(ms::kWheelLayoutChinese.screenButton));
        // A change of language takes the other page images and moves the controls with them.
        chinese = false;
        page.RetranslateUi();
        EXPECT_FALSE(page.SheetsChinese());
        EXPECT_EQ(page.LinesField()->geometry(), ToQRect(ms::kWheelLayoutOther.linesField));
        EXPECT_EQ(page.UpArrow()->geometry(), ToQRect(ms::kWheelLayoutOther.upArrow));
    }
    SetChineseUiSource(nullptr);
}

} // namespace
} // namespace qx71::gui

namespace qx71::gui {
namespace {

// What the page draws in `area` (page pixels) when the desktop keeps `support`.
QImage DrawnArea(const PointerSupport& support, const Rect& area)
{
    test::PageContextFixture fixture{QX71_TEST_INSTALL_DIR_TEXT};
    fixture.Context().pointerSupport = support;
    CDlgMainSet page(fixture.Context(), nullptr);
    page.show();
    return page.grab(ToQRect(area)).toImage();
}

TEST(MainSetPageNotes, TheSettingsTheDesktopIgnoresAreNamedNextToTheirControls)
{
    // A desktop that keeps every setting gets no note: the page as drawn then is the reference
    // for each note's area, and a note shows as a difference from it. Antialiased text has no
    // pixel of one exact colour to look for.
    const QImage pointerPlain = DrawnArea(PointerSupport::All(), mainset::kPointerNoteArea);
    const QImage wheelPlain = DrawnArea(PointerSupport::All(), mainset::kWheelNoteArea);
    ASSERT_FALSE(pointerPlain.isNull());
    ASSERT_FALSE(wheelPlain.isNull());
    const struct {
        PointerSupport support;
        bool pointerNote;
        bool wheelNote;
    } cases[] = {
        {{true, true, false}, false, true}, // GNOME, X11
        {{}, true, true},                   // a Wayland compositor keeps them itself
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DrawnArea(c.support, mainset::kPointerNoteArea) != pointerPlain, c.pointerNote);
        EXPECT_EQ(DrawnArea(c.support, mainset::kWheelNoteArea) != wheelPlain, c.wheelNote);
    }
}

} // namespace
} // namespace qx71::gui
