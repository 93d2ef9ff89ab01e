#include "core/buttons/MainSetModel.h"

#include "core/buttons/ButtonFunction.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace qx71 {
namespace {

using Dpis = std::vector<int32_t>;

class MainSetModelTest : public ::testing::Test {
protected:
    MainSetModelTest() { model.RefreshFromProfile(); }

    std::set<int32_t> CheckedDpis() const
    {
        std::set<int32_t> out;
        for (size_t i = 0; i < kDpiValues.size(); ++i) {
            if (model.DpiChecked(i)) {
                out.insert(kDpiValues[i]);
            }
        }
        return out;
    }

    void SetStages(const Dpis& stages)
    {
        profile.dpiStages.fill(0);
        std::copy(stages.begin(), stages.end(), profile.dpiStages.begin());
        model.RefreshFromProfile();
    }

    ChooserRunner Returns(ChooserResult result)
    {
        return [this, result](ButtonIndex button, const std::u16string& name) {
            handedButton = button;
            handedName = name;
            return std::optional<ChooserResult>(result);
        };
    }

    static ChooserResult Basic(ButtonFunction f) { return {0, ToCode(f), 0, 0, {}}; }

    std::u16string Name(ButtonIndex b) const
    {
        return TextOf(profile.buttons[ToIndex(b)].displayName);
    }

    ProfileRecord profile = DefaultProfile(false);
    std::array<uint32_t, kProfileButtons> macroIds{};
    test::RecordingMessageSink messages;
    bool chinese = false;
    std::map<uint32_t, std::u16string> macros{{0x15000001, u"Reload"}};
    MainSetModel model{profile, macroIds, messages, [this] { return chinese; },
                       [this](uint32_t id) -> std::optional<std::u16string> {
                           const auto it = macros.find(id);
                           if (it == macros.end()) {
                               return std::nullopt;
                           }
                           return it->second;
                       }};
    std::optional<ButtonIndex> handedButton;
    std::u16string handedName;
};

TEST_F(MainSetModelTest, DpiButtonsKeepOneToThreeLevelsInButtonOrder)
{
    struct Case {
        const char* name;
        Dpis stages;   // the profile before
        int32_t click; // the DPI value of the clicked button
        Dpis after;    // dpiStages after the click (eight entries compared)
    };
    const Case cases[] = {
        {"three checked: an unchecked one stays unchecked",
         {500, 1000, 2000},
         3000,
         {500, 1000, 2000}},
        {"three checked: a checked one is unchecked", {500, 1000, 2000}, 1000, {500, 2000}},
        {"the only checked one stays checked", {1000}, 1000, {1000}},
        {"a second level joins in button order", {1000}, 500, {500, 1000}},
        {"one of two is unchecked", {500, 1000}, 500, {1000}},
        {"stages out of order come back in button order", {3000, 750}, 1500, {750, 1500, 3000}},
        // More than three levels come only from a file made elsewhere: they can only shrink.
        {"four stored levels: no fifth", {500, 750, 1000, 1250}, 1500, {500, 750, 1000, 1250}},
        {"four stored levels: one less", {500, 750, 1000, 1250}, 750, {500, 1000, 1250}},
        {"no known level: the click checks", {600}, 2000, {2000}},
    };
    for (const Case& c : cases) {
        SetStages(c.stages);
        const auto index = static_cast<size_t>(
            std::find(kDpiValues.begin(), kDpiValues.end(), c.click) - kDpiValues.begin());
        model.ClickDpi(index);
        std::array<int32_t, kProfileDpiStages> expected{};
        std::copy(c.after.begin(), c.after.end(), expected.begin());
        EXPECT_EQ(profile.dpiStages, expected) << c.name;
        EXPECT_EQ(CheckedDpis(), std::set<int32_t>(c.after.begin(), c.after.end())) << c.name;
    }
}

TEST_F(MainSetModelTest, RefreshLooksAtTheFirstFiveStagesOnly)
{
    SetStages({500, 0, 0, 0, 0, 3000});
    EXPECT_EQ(CheckedDpis(), std::set<int32_t>{500});
    SetStages({0, 0, 0, 0, 2000});
    EXPECT_EQ(CheckedDpis(), std::set<int32_t>{2000});
}

TEST_F(MainSetModelTest, SetDpiLevelsTakesOneToThreeDistinctKnownValues)
{
    const int32_t good[] = {3000, 500};
    ASSERT_TRUE(model.SetDpiLevels(good));
    EXPECT_EQ(profile.dpiStages, (std::array<int32_t, 8>{500, 3000, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CheckedDpis(), (std::set<int32_t>{500, 3000}));

    const std::vector<Dpis> bad = {{}, {500, 750, 1000, 1250}, {500, 500}, {600}, {1000, -1}};
    for (const Dpis& values : bad) {
        EXPECT_FALSE(model.SetDpiLevels(values)) << values.size();
        EXPECT_EQ(profile.dpiStages, (std::array<int32_t, 8>{500, 3000, 0, 0, 0, 0, 0, 0}));
    }
}

TEST_F(MainSetModelTest, NormaliseCleansTheLinesField)
{
    struct Case {
        std::u16string typed;
        std::u16string shown;
        int32_t stored;
    };
    const Case cases[] = {
        {u"007", u"7", 7},
        {u"99", u"30", 30},
        {u"", u"1", 1},
        {u"000", u"1", 1},
        {u"30", u"30", 30},
        {u"31", u"30", 30},
        {u"12abc", u"12", 12},
        {u"99999999999999999999999", u"30", 30},
        // Pasted text that does not begin with a digit counts as the lowest value.
        {u"abc", u"1", 1},
        {u"-5", u"1", 1},
    };
    for (const Case& c : cases) {
        model.SetLinesFieldText(c.typed);
        model.NormaliseScrollLines();
        EXPECT_EQ(model.LinesFieldText(), c.shown);
        EXPECT_EQ(model.LinesValue(), c.stored);
        EXPECT_EQ(profile.wheelLines, c.stored);
    }
}

TEST_F(MainSetModelTest, OneScreenPerNotchShowsTheScreenButtonAndADisabledOne)
{
    profile.wheelLines = kWheelOneScreen;
    model.RefreshFromProfile();
    EXPECT_TRUE(model.ScreenChecked());
    EXPECT_FALSE(model.LinesChecked());
    EXPECT_FALSE(model.LinesControlsEnabled());
    EXPECT_EQ(model.LinesValue(), 1);
    EXPECT_EQ(model.LinesFieldText(), u"1");

    // The timer leaves the field alone while one screen is chosen.
    model.SetLinesFieldText(u"25");
    model.OnNormaliseTimer();
    EXPECT_EQ(profile.wheelLines, kWheelOneScreen);

    model.ClickLinesButton();
    EXPECT_TRUE(model.LinesChecked());
    EXPECT_TRUE(model.LinesControlsEnabled());
    EXPECT_EQ(profile.wheelLines, 1) << "the page's lines value, not the typed text";
    model.OnNormaliseTimer();
    EXPECT_EQ(profile.wheelLines, 25);

    model.ClickScreenButton();
    EXPECT_EQ(profile.wheelLines, kWheelOneScreen);
    EXPECT_FALSE(model.LinesControlsEnabled());
}

TEST_F(MainSetModelTest, ArrowsStepWithinOneToThirty)
{
    profile.wheelLines = 29;
    model.RefreshFromProfile();
    model.ClickUpArrow();
    model.ClickUpArrow();
    EXPECT_EQ(profile.wheelLines, 30);
    EXPECT_EQ(model.LinesFieldText(), u"30");
    profile.wheelLines = 2;
    model.RefreshFromProfile();
    model.ClickDownArrow();
    model.ClickDownArrow();
    EXPECT_EQ(profile.wheelLines, 1);
    EXPECT_EQ(model.LinesFieldText(), u"1");
}

TEST_F(MainSetModelTest, RateSlidersAndAccuracyGoStraightIntoTheProfile)
{
    const int32_t intervals[] = {8, 2, 1};
    for (size_t i = 0; i < 3; ++i) {
        model.ClickReportRate(i);
        EXPECT_EQ(profile.reportRate, intervals[i]);
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(model.RateChecked(k), k == i);
        }
    }
    profile.reportRate = 4; // no button for it
    model.RefreshFromProfile();
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_FALSE(model.RateChecked(k));
    }

    model.OnSliderMessage(17, kSpeedSliderId);
    model.OnSliderMessage(3, kSensorSliderId);
    model.OnSliderMessage(9, 2561);
    EXPECT_EQ(profile.pointerSpeed, 17);
    EXPECT_EQ(profile.sheightLevel, 3);
    EXPECT_EQ(model.SpeedSliderValue(), 17);

    ASSERT_FALSE(model.AccuracyChecked());
    model.ClickAccuracy();
    EXPECT_EQ(profile.pointerPrecision, 1);
    model.ClickAccuracy();
    EXPECT_EQ(profile.pointerPrecision, 0);
}

TEST_F(MainSetModelTest, LeftClickRuleInBothDirections)
{
    const ProfileRecord before = profile;
    // The left button is the only Click input: anything else is refused with the message.
    EXPECT_EQ(model.AssignButton(ButtonIndex::Left, Returns(Basic(ButtonFunction::Menu))),
              AssignOutcome::LeftClickRefused);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"At least one button must be configured as 'Left click'!");
    EXPECT_EQ(messages.shown[0].kind, MessageKind::InfoBox);
    EXPECT_EQ(ProfileToBytes(profile), ProfileToBytes(before));
    EXPECT_FALSE(model.TabHighlighted(ButtonIndex::Left));

    // Click itself (as the basic list or the default button gives it) is stored.
    EXPECT_EQ(model.AssignButton(ButtonIndex::Left, Returns(Basic(ButtonFunction::Click))),
              AssignOutcome::Stored);

    // Once another input has Click, the left button is free.
    EXPECT_EQ(model.AssignButton(ButtonIndex::Right, Returns(Basic(ButtonFunction::Click))),
              AssignOutcome::Stored);
    EXPECT_EQ(model.AssignButton(ButtonIndex::Left, Returns(Basic(ButtonFunction::Menu))),
              AssignOutcome::Stored);
    EXPECT_EQ(profile.buttons[0].function, ToCode(ButtonFunction::Menu));
    // ... and the right button is now the last Click: it is held in turn.
    chinese = true;
    EXPECT_EQ(model.AssignButton(ButtonIndex::Right, Returns(Basic(ButtonFunction::Middle))),
              AssignOutcome::LeftClickRefused);
    EXPECT_EQ(messages.shown.back().text, u"请保留至少一个键为\"单击\"功能!");
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(MainSetModelTest, SniperIsRefusedOnTheWheelOnly)
{
    for (const ButtonIndex b : {ButtonIndex::WheelForward, ButtonIndex::WheelBackward}) {
        EXPECT_EQ(model.AssignButton(b, Returns(Basic(ButtonFunction::Snipe))),
                  AssignOutcome::SniperRefused);
        EXPECT_NE(profile.buttons[ToIndex(b)].function, ToCode(ButtonFunction::Snipe));
        EXPECT_EQ(messages.shown.back().text, u"This key can not use the sniper function!");
    }
    for (const ButtonIndex b :
         {ButtonIndex::Middle, ButtonIndex::Right, ButtonIndex::Forward, ButtonIndex::Back}) {
        EXPECT_EQ(model.AssignButton(b, Returns(Basic(ButtonFunction::Snipe))),
                  AssignOutcome::Stored);
        EXPECT_EQ(Name(b), u"SNIPE");
    }
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(MainSetModelTest, EachKindStoresItsOwnFieldsOnly)
{
    ButtonAssignment& a = profile.buttons[1];
    model.AssignButton(ButtonIndex::Middle, Returns({1, 0x00060100, 5, 0, {}}));
    EXPECT_EQ(a.function, 5);
    EXPECT_EQ(a.keyCode, 0x00060100u);
    EXPECT_EQ(TextOf(a.displayName), u"Ctrl + C");

    model.AssignButton(ButtonIndex::Middle, Returns({1, 0x15000001, 6, 0, {}}));
    EXPECT_EQ(a.function, 6);
    EXPECT_EQ(a.macroId, 0x15000001u);
    EXPECT_EQ(macroIds[1], 0x15000001u);
    EXPECT_EQ(TextOf(a.displayName), u"Reload");
    EXPECT_EQ(a.keyCode, 0x00060100u) << "the key stays behind";

    model.AssignButton(ButtonIndex::Middle, Returns({1, 0x00D10006, 19, 1, u"/usr/bin/xterm"}));
    EXPECT_EQ(a.function, 19);
    EXPECT_EQ(a.hostValue, 0x00D10006);
    EXPECT_EQ(a.hostKind, 0xD0u);
    EXPECT_EQ(TextOf(a.hostPath), u"/usr/bin/xterm");
    EXPECT_EQ(TextOf(a.displayName), u"/usr/bin/xterm");
    EXPECT_EQ(macroIds[1], 0u) << "a new function clears the input's macro";
    EXPECT_EQ(a.macroId, 0x15000001u);

    for (uint32_t row = 0; row < 4; ++row) {
        model.AssignButton(ButtonIndex::Middle, Returns({1, 7, 19, int32_t(row), u"/x"}));
        EXPECT_EQ(a.hostKind, 0xC0u + 0x10u * row);
    }

    model.AssignButton(ButtonIndex::Middle, Returns({1, 7, 121, 0, {}}));
    EXPECT_EQ(a.function, 121);
    EXPECT_EQ(TextOf(a.displayName), u"Disable key");

    chinese = true;
    model.AssignButton(ButtonIndex::Middle, Returns(Basic(ButtonFunction::PlayPause)));
    EXPECT_EQ(a.function, 32);
    EXPECT_EQ(TextOf(a.displayName), u"播放/暂停");
    EXPECT_EQ(TextOf(a.hostPath), u"/x");
}

TEST_F(MainSetModelTest, AnAssignmentInTwoHalvesKeepsItsTabAndItsRules)
{
    // Nothing open: a result has nowhere to go.
    EXPECT_EQ(model.FinishAssign(Basic(ButtonFunction::Back)), AssignOutcome::Cancelled);
    EXPECT_EQ(profile.buttons[3].function, ToCode(ButtonFunction::Forward));

    EXPECT_EQ(model.BeginAssign(ButtonIndex::Forward), u"Forward");
    EXPECT_EQ(model.SelectedTab(), 3);
    EXPECT_EQ(model.FinishAssign(Basic(ButtonFunction::Back)), AssignOutcome::Stored);
    EXPECT_EQ(profile.buttons[3].function, ToCode(ButtonFunction::Back));
    EXPECT_TRUE(model.TabHighlighted(ButtonIndex::Forward));
    EXPECT_EQ(model.SelectedTab(), -1);
    // The same result again finds no open assignment.
    EXPECT_EQ(model.FinishAssign(Basic(ButtonFunction::Fire)), AssignOutcome::Cancelled);
    EXPECT_EQ(profile.buttons[3].function, ToCode(ButtonFunction::Back));

    // The rules hold for the second half as for AssignButton.
    model.BeginAssign(ButtonIndex::WheelBackward);
    EXPECT_EQ(model.FinishAssign(Basic(ButtonFunction::Snipe)), AssignOutcome::SniperRefused);
    model.BeginAssign(ButtonIndex::Left);
    EXPECT_EQ(model.FinishAssign(std::nullopt), AssignOutcome::Cancelled);
    EXPECT_EQ(model.SelectedTab(), -1);
}

TEST_F(MainSetModelTest, AMacroGoneWhileChoosingLeavesAnEmptyName)
{
    model.AssignButton(ButtonIndex::Back, Returns({4, 0x15000009, 6, 0, {}}));
    EXPECT_EQ(profile.buttons[4].function, 6);
    EXPECT_EQ(macroIds[4], 0x15000009u);
    EXPECT_EQ(Name(ButtonIndex::Back), u"");
}

TEST_F(MainSetModelTest, HighlightsFollowTheDefaults)
{
    for (size_t i = 0; i < kButtonCount; ++i) {
        EXPECT_FALSE(model.TabHighlighted(static_cast<ButtonIndex>(i)));
    }
    model.AssignButton(ButtonIndex::Forward, Returns(Basic(ButtonFunction::Mute)));
    EXPECT_TRUE(model.TabHighlighted(ButtonIndex::Forward));
    // A key, even the default's own key, is not the default function.
    model.AssignButton(ButtonIndex::WheelForward, Returns({5, 0x00040000, 5, 0, {}}));
    EXPECT_TRUE(model.TabHighlighted(ButtonIndex::WheelForward));
    model.AssignButton(ButtonIndex::Forward, Returns(Basic(ButtonFunction::Forward)));
    EXPECT_FALSE(model.TabHighlighted(ButtonIndex::Forward));
    EXPECT_EQ(Name(ButtonIndex::Forward), u"Forward");

    // A profile switched in underneath is shown by the refresh.
    profile.buttons[6].function = ToCode(ButtonFunction::Disable);
    model.RefreshFromProfile();
    EXPECT_TRUE(model.TabHighlighted(ButtonIndex::WheelBackward));
    EXPECT_TRUE(model.TabHighlighted(ButtonIndex::WheelForward));
}

TEST_F(MainSetModelTest, CancelAndCodeZeroChangeNothingButTheNamesLanguage)
{
    SetText(profile.buttons[6].displayName, u"滚轮后滚");
    const auto cancel = [this](ButtonIndex button, const std::u16string& name) {
        handedButton = button;
        handedName = name;
        return std::optional<ChooserResult>();
    };
    EXPECT_EQ(model.AssignButton(ButtonIndex::WheelBackward, cancel), AssignOutcome::Cancelled);
    EXPECT_EQ(handedButton, ButtonIndex::WheelBackward);
    EXPECT_EQ(handedName, u"Scroll down");
    EXPECT_EQ(Name(ButtonIndex::WheelBackward), u"Scroll down");

    const ProfileRecord before = profile;
    EXPECT_EQ(model.AssignButton(ButtonIndex::Middle, Returns({1, 0, 6, 0, {}})),
              AssignOutcome::Cancelled);
    EXPECT_EQ(ProfileToBytes(profile), ProfileToBytes(before));
    EXPECT_EQ(model.SelectedTab(), -1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainSetModelTest, TheChooserRunsWithItsTabSelected)
{
    int seen = -2;
    model.AssignButton(ButtonIndex::Right, [&](ButtonIndex, const std::u16string&) {
        seen = model.SelectedTab();
        return std::optional<ChooserResult>();
    });
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(model.SelectedTab(), -1);
}

TEST_F(MainSetModelTest, SpotsLightWhileTheCursorRestsOnTheirTab)
{
    // Tab 2 spans x 186..302; its spot area is x 203..284 (inclusive), y 408..440.
    model.UpdateSpots({203, 420}, true);
    EXPECT_TRUE(model.SpotChecked(ButtonIndex::Right));
    model.UpdateSpots({284, 408}, false);
    EXPECT_TRUE(model.SpotChecked(ButtonIndex::Right)) << "inside, not foreground: unchanged";
    model.UpdateSpots({202, 420}, true);
    EXPECT_FALSE(model.SpotChecked(ButtonIndex::Right));
    model.UpdateSpots({210, 420}, false);
    EXPECT_FALSE(model.SpotChecked(ButtonIndex::Right)) << "not lit without the foreground";
    model.UpdateSpots({285, 420}, true);
    EXPECT_FALSE(model.SpotChecked(ButtonIndex::Right));
    model.UpdateSpots({210, 441}, true);
    EXPECT_FALSE(model.SpotChecked(ButtonIndex::Right));
    for (size_t i = 0; i < kButtonCount; ++i) {
        EXPECT_FALSE(model.SpotChecked(static_cast<ButtonIndex>(i)));
    }
}

TEST(MainSetHover, IdsOfTheControlsUnderThePoint)
{
    using namespace mainset;
    const Rect dpi0 = DpiButton(0);
    EXPECT_EQ(MainSetHoverIds({dpi0.left, dpi0.top}, false), std::vector<int>{12});
    EXPECT_EQ(MainSetHoverIds({dpi0.left - 1, dpi0.top - 1}, false), std::vector<int>{12})
        << "grown by one pixel";
    EXPECT_EQ(MainSetHoverIds({dpi0.left - 2, dpi0.top}, false), std::vector<int>{});
    EXPECT_EQ(MainSetHoverIds({60, 420}, false), std::vector<int>{65});
    EXPECT_EQ(MainSetHoverIds({kSpeedCaption.left + 5, kSpeedCaption.top + 5}, true),
              std::vector<int>{13});
    EXPECT_EQ(MainSetHoverIds({kDpiCaption.left + 5, kDpiCaption.top + 5}, true),
              std::vector<int>{61});
    // Neighbouring tabs' rectangles overlap: one message per tab.
    EXPECT_EQ(MainSetHoverIds({110, 420}, false), (std::vector<int>{65, 65}));
    // The wheel controls sit differently in the two page images.
    EXPECT_EQ(MainSetHoverIds({500, 280}, false), std::vector<int>{17});
    EXPECT_EQ(MainSetHoverIds({500, 280}, true), std::vector<int>{});
    EXPECT_EQ(MainSetHoverIds({575, 280}, true), std::vector<int>{18});
}

} // namespace
} // namespace qx71
