#include "core/focus/ProfileRuleMenu.h"

#include "core/common/Utf.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

struct Line {
    std::string text;
    bool checked;
    bool enabled;
    bool operator==(const Line&) const = default;
};

std::vector<Line> Lines(const std::vector<RuleMenuItem>& items)
{
    std::vector<Line> lines;
    for (const RuleMenuItem& item : items) {
        lines.push_back({Utf16ToUtf8(item.text), item.checked, item.enabled});
    }
    return lines;
}

const FocusRules kRules{{RuleMatch::Class, "Sauerbraten", 3},
                        {RuleMatch::Executable, "gedit", 2},
                        {RuleMatch::Class, "XTerm", 3}};

TEST(ProfileRuleMenuTest, ListsThisProfilesRulesCheckedThenTheRecentProgramsWithout)
{
    const auto items =
        ProfileRuleMenuItems(3, kRules, {"xterm", "Gedit", "firefox"}, FocusWatch::Watching, false);
    EXPECT_EQ(Lines(items), (std::vector<Line>{{"Use while Sauerbraten is active", true, true},
                                               {"Use while XTerm is active", true, true},
                                               {"Use while Gedit is active", false, true},
                                               {"Use while firefox is active", false, true}}));
    EXPECT_EQ(items[2].rule, (FocusRule{RuleMatch::Class, "Gedit", 3}));
    EXPECT_EQ(items[1].rule, kRules[2]);
}

TEST(ProfileRuleMenuTest, SaysWhyWhenThereIsNothingToChoose)
{
    struct Case {
        FocusWatch watch;
        FocusRules rules;
        std::vector<std::string> recent;
        bool chinese;
        const char* text;
    };
    for (const Case& c :
         {Case{FocusWatch::Wayland,
               kRules,
               {"xterm"},
               false,
               "Not under Wayland: no program may learn which window has the focus"},
          Case{FocusWatch::NoActiveWindow,
               kRules,
               {"xterm"},
               false,
               "Not available: the window manager does not tell which window is active"},
          Case{FocusWatch::NoActiveWindow,
               kRules,
               {"xterm"},
               true,
               "不可用：窗口管理器不提供活动窗口"},
          Case{FocusWatch::Watching, {}, {}, false, "No other program has had the focus yet"}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Lines(ProfileRuleMenuItems(3, c.rules, c.recent, c.watch, c.chinese)),
                  (std::vector<Line>{{c.text, false, false}}));
    }
}

TEST(ProfileRuleMenuTest, TheHintNamesTheProgramOnlyOnTheProfileItChose)
{
    const std::optional<FocusRule> rule = FocusRule{RuleMatch::Class, "Sauerbraten", 3};
    EXPECT_EQ(Utf16ToUtf8(ProfileHintText(u"Profile 3", 3, rule, false)),
              "Rule: Sauerbraten is active");
    EXPECT_EQ(Utf16ToUtf8(ProfileHintText(u"配置3", 3, rule, true)), "规则：Sauerbraten 活动中");
    EXPECT_EQ(Utf16ToUtf8(ProfileHintText(u"Profile 2", 2, rule, false)), "Profile 2");
    const std::optional<FocusRule> odd = FocusRule{RuleMatch::Class, "50%2off", 3};
    EXPECT_EQ(Utf16ToUtf8(ProfileHintText(u"Profile 3", 3, odd, false)), "Rule: 50%2off is active");
    EXPECT_EQ(Utf16ToUtf8(ProfileHintText(u"Profile 3", 3, std::nullopt, false)), "Profile 3");
}

} // namespace
} // namespace qx71
