// The main window's rules without a window: hints, page switches, the keyboard filter, the
// hide request, the notices.
#include "core/app/DeviceNotices.h"
#include "core/app/HintLine.h"
#include "core/app/KeyboardFilter.h"
#include "core/app/PageSwitch.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(HintKey, CodesOfTheListShowTheirTextAndAllOthersNothing)
{
    struct Case {
        int code;
        const char* key;
    };
    // A selection of the hint-code list, its ends and its gaps.
    const Case cases[] = {
        {1, "str_main"},
        {5, "str_about"},
        {6, "str_profile1"},
        {8, "str_profile3"},
        {10, "str_profile5"},
        {11, "str_ok"},
        {12, "str_dpiwant"},
        {18, "str_rollerScreen"},
        {19, ""},
        {25, ""},
        {26, "str_ledspe"},
        {30, ""},
        {31, "str_led_brealways"},
        {39, "str_led_custom"},
        {46, ""},
        {47, "str_macro_delay"},
        {65, "str_mouse_key"},
        {66, ""},
        {75, "str_backlight"},
        {81, "str_color_setting"},
        {87, "str_marco_list"},
        {90, "str_firmware_version"},
        {91, ""},
        {99, ""},
        {0, ""},
        {-1, ""},
        {100000, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HintKey(c.code), c.key) << c.code;
    }
}

TEST(HintCodesAt, ControlRectanglesGrownByOnePixel)
{
    struct Case {
        Point at;
        std::vector<int> codes;
    };
    // Profile button 3 spans x 513..628 and y 608..635 (right and bottom outside).
    const Case cases[] = {
        {{570, 607}, {8}}, // one pixel above its top edge
        {{570, 606}, {}},  // two pixels above
        {{570, 635}, {8}}, // the first row below it
        {{570, 636}, {}},
        {{512, 620}, {7, 8}}, // overlaps profile 2's rectangle: both post, 3 stays shown
        {{628, 620}, {8, 9}},
        {{20, 20}, {}},
        {{29, 84}, {1}}, // tab 1's top-left corner, grown
        {{28, 84}, {}},
        {{200, 100}, {1, 2}}, // tabs 1 and 2 overlap
        {{940, 632}, {11}},   // Apply's bottom-right corner, grown
        {{941, 632}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HintCodesAt(c.at), c.codes) << c.at.x << "," << c.at.y;
    }
}

TEST(HintLine, MouseMoveClearsTheLineBeforeTheHintsArrive)
{
    HintLine line;
    bool repaint = true;
    EXPECT_TRUE(line.OnMouseMove({570, 607}, repaint) == std::vector<int>{8});
    EXPECT_FALSE(repaint) << "nothing to clear yet";
    line.Show(8);
    EXPECT_EQ(line.Key(), "str_profile3");
    line.OnMouseMove({20, 20}, repaint);
    EXPECT_TRUE(repaint);
    EXPECT_TRUE(line.Empty());
    line.Show(40);
    line.Show(99);
    EXPECT_TRUE(line.Empty());
}

TEST(PlanPageSwitch, OnlyTheProfilePagesKeepProfileButtonsAndApply)
{
    struct Case {
        int tab;
        bool leaveMacroPage;
        bool enabled;
    };
    const Case cases[] = {
        {1, true, true}, {2, true, true}, {3, false, false}, {4, true, false}, {5, true, false},
    };
    for (const auto& c : cases) {
        const PageSwitchPlan plan = PlanPageSwitch(PageOfTab(c.tab));
        EXPECT_EQ(static_cast<int>(plan.page), c.tab);
        EXPECT_EQ(plan.leaveMacroPage, c.leaveMacroPage) << c.tab;
        EXPECT_EQ(plan.profileControlsEnabled, c.enabled) << c.tab;
        EXPECT_EQ(plan.refreshPage, c.enabled) << c.tab;
    }
    EXPECT_EQ(PageOfTab(0), MainPage::Buttons);
    EXPECT_EQ(PageOfTab(6), MainPage::Buttons);
}

TEST(FilterMainWindowKey, EnterEscapeSpaceSwallowedOutsideTextFieldsAltF4HidesCtrlQExits)
{
    const HeldModifiers none;
    const HeldModifiers alt{true, false};
    const HeldModifiers ctrl{false, true};
    for (FilterKey key : {FilterKey::Enter, FilterKey::Escape, FilterKey::Space}) {
        for (bool down : {true, false}) {
            EXPECT_EQ(FilterMainWindowKey(key, down, none, false), KeyDecision::Swallow);
            EXPECT_EQ(FilterMainWindowKey(key, down, alt, false), KeyDecision::Swallow);
            EXPECT_EQ(FilterMainWindowKey(key, down, none, true), KeyDecision::Pass);
        }
    }
    for (bool inTextField : {false, true}) {
        EXPECT_EQ(FilterMainWindowKey(FilterKey::F4, true, alt, inTextField), KeyDecision::Hide);
        EXPECT_EQ(FilterMainWindowKey(FilterKey::F4, false, alt, inTextField), KeyDecision::Pass);
        EXPECT_EQ(FilterMainWindowKey(FilterKey::F4, true, none, inTextField), KeyDecision::Pass);
        EXPECT_EQ(FilterMainWindowKey(FilterKey::Other, true, alt, inTextField), KeyDecision::Pass);
        // Ctrl+Q ends the program from a text field too; Q alone is typed.
        EXPECT_EQ(FilterMainWindowKey(FilterKey::Q, true, ctrl, inTextField), KeyDecision::Exit);
        EXPECT_EQ(FilterMainWindowKey(FilterKey::Q, false, ctrl, inTextField),
                  KeyDecision::Swallow);
        EXPECT_EQ(FilterMainWindowKey(FilterKey::Q, true, none, inTextField), KeyDecision::Pass);
        EXPECT_EQ(FilterMainWindowKey(FilterKey::Q, true, alt, inTextField), KeyDecision::Pass);
    }
}

TEST(PlanHide, WithoutTrayTheProgramEndsAndSaysSoOnce)
{
    EXPECT_FALSE(PlanHide(true, false).exitInstead);
    EXPECT_FALSE(PlanHide(true, false).tellUser);
    EXPECT_TRUE(PlanHide(false, false).exitInstead);
    EXPECT_TRUE(PlanHide(false, false).tellUser);
    EXPECT_TRUE(PlanHide(false, true).exitInstead);
    EXPECT_FALSE(PlanHide(false, true).tellUser);
}

TEST(DeviceNotices, TextsFollowTheChineseFlag)
{
    EXPECT_EQ(DeviceNoticeText(DeviceNotice::NotFound, false),
              u"The QX71 gaming mouse cannot be found.");
    EXPECT_EQ(DeviceNoticeText(DeviceNotice::NotFound, true), u"没有找到QX71游戏鼠标.");
    EXPECT_EQ(DeviceNoticeText(DeviceNotice::Found, false), u"The QX71 gaming mouse is found.");
    EXPECT_EQ(DeviceNoticeText(DeviceNotice::Found, true), u"发现QX71游戏鼠标.");
    EXPECT_EQ(UpdaterPath("/opt/qx71"),
              std::filesystem::path("/opt/qx71/tolvi_update/TolviUpdate"));
}

} // namespace
} // namespace qx71
