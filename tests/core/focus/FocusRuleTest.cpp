#include "core/focus/FocusRule.h"
#include "core/focus/FocusRuleFile.h"
#include "core/focus/ProfileFollower.h"

#include <gtest/gtest.h>

#include <set>

namespace qx71 {
namespace {

const FocusedWindow kFirefox{"Navigator", "firefox", "firefox-esr", false};
const FocusedWindow kGameWindow{"sauerbraten", "Sauerbraten", "sauer_client", false};
const FocusedWindow kTerminal{"xterm", "XTerm", "xterm", false};
const FocusedWindow kNoClass{"", "", "wine64-preloader", false};

struct MatchCase {
    const char* name;
    FocusRules rules;
    FocusedWindow window;
    std::set<size_t> deleted; // profiles that are not there to switch to
    std::optional<size_t> expected;
};

class FirstMatchingRuleTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FirstMatchingRuleTest, GivesTheProfileOfTheFirstRuleThatNamesTheWindow)
{
    const MatchCase& c = GetParam();
    const auto available = [&](size_t profile) { return !c.deleted.contains(profile); };
    const std::optional<FocusRule> rule = FirstMatchingRule(c.rules, c.window, available);
    ASSERT_EQ(rule.has_value(), c.expected.has_value());
    if (rule) {
        EXPECT_EQ(rule->profile, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstMatchingRuleTest,
    ::testing::Values(
        MatchCase{"ClassByItsClassName", {{RuleMatch::Class, "Firefox", 3}}, kFirefox, {}, 3},
        MatchCase{"ClassByTheInstanceName", {{RuleMatch::Class, "navigator", 2}}, kFirefox, {}, 2},
        MatchCase{"ClassOfAnotherProgram", {{RuleMatch::Class, "XTerm", 2}}, kFirefox, {}, {}},
        MatchCase{"ClassIsNotAPrefix", {{RuleMatch::Class, "Fire", 2}}, kFirefox, {}, {}},
        MatchCase{
            "ExecutableExactly", {{RuleMatch::Executable, "sauer_client", 4}}, kGameWindow, {}, 4},
        MatchCase{"ExecutableKeepsCase",
                  {{RuleMatch::Executable, "Sauer_Client", 4}},
                  kGameWindow,
                  {},
                  {}},
        MatchCase{"ExecutableIsNotTheClass",
                  {{RuleMatch::Executable, "Sauerbraten", 4}},
                  kGameWindow,
                  {},
                  {}},
        MatchCase{"WindowWithoutClassByExecutable",
                  {{RuleMatch::Class, "wine", 1}, {RuleMatch::Executable, "wine64-preloader", 5}},
                  kNoClass,
                  {},
                  5},
        MatchCase{"FirstRuleWins",
                  {{RuleMatch::Executable, "xterm", 2}, {RuleMatch::Class, "XTerm", 4}},
                  kTerminal,
                  {},
                  2},
        MatchCase{"FirstRuleWinsTheOtherWayRound",
                  {{RuleMatch::Class, "XTerm", 4}, {RuleMatch::Executable, "xterm", 2}},
                  kTerminal,
                  {},
                  4},
        MatchCase{"DeletedProfileGivesTheNextRule",
                  {{RuleMatch::Class, "XTerm", 4}, {RuleMatch::Executable, "xterm", 2}},
                  kTerminal,
                  {4},
                  2},
        MatchCase{"OnlyRuleWithADeletedProfileIsNoRule",
                  {{RuleMatch::Class, "XTerm", 4}},
                  kTerminal,
                  {4},
                  {}},
        MatchCase{"NoRules", {}, kTerminal, {}, {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(FocusRuleFileTest, KeepsEveryRuleInOrderThroughTheFile)
{
    const FocusRules rules{{RuleMatch::Class, "Sauerbraten", 3},
                           {RuleMatch::Executable, "steam game (x86)", 5},
                           {RuleMatch::Class, "文本编辑器", 1}};
    const std::string text = FormatFocusRules(rules);
    EXPECT_NE(text.find("class\tSauerbraten\t3\n"), std::string::npos);
    EXPECT_NE(text.find("exe\tsteam game (x86)\t5\n"), std::string::npos);
    const ParsedRules parsed = ParseFocusRules(text);
    ASSERT_TRUE(parsed.rules);
    EXPECT_EQ(*parsed.rules, rules);
}

TEST(FocusRuleFileTest, ReadsCommentsBlankLinesAndWindowsLineEnds)
{
    const ParsedRules parsed = ParseFocusRules("# mine\r\n\r\nclass\tXTerm\t2\r\nexe\tvi\t1");
    ASSERT_TRUE(parsed.rules);
    EXPECT_EQ(*parsed.rules,
              (FocusRules{{RuleMatch::Class, "XTerm", 2}, {RuleMatch::Executable, "vi", 1}}));
}

TEST(FocusRuleFileTest, NamesTheFirstLineThatIsNotARule)
{
    struct Case {
        const char* text;
        size_t badLine;
    };
    for (const Case& c :
         {Case{"class\tXTerm\t2\nwindow\tXTerm\t2\n", 2}, Case{"class\tXTerm\t6\n", 1},
          Case{"class\tXTerm\t0\n", 1}, Case{"class\tXTerm\t2x\n", 1}, Case{"class\t\t2\n", 1},
          Case{"class XTerm 2\n", 1}, Case{"#\nclass\tXTerm\n", 2}}) {
        SCOPED_TRACE(c.text);
        const ParsedRules parsed = ParseFocusRules(c.text);
        EXPECT_FALSE(parsed.rules);
        EXPECT_EQ(parsed.badLine, c.badLine);
    }
}

TEST(FocusRuleFileTest, RefusesNamesTheFileCannotHold)
{
    EXPECT_TRUE(ValidProgramName("Steam Game (x86)"));
    EXPECT_FALSE(ValidProgramName(""));
    EXPECT_FALSE(ValidProgramName("a\tb"));
    EXPECT_FALSE(ValidProgramName("a\nb"));
    EXPECT_FALSE(ValidProgramName(std::string(kProgramNameMaxBytes + 1, 'a')));
    EXPECT_TRUE(ValidProgramName(std::string(kProgramNameMaxBytes, 'a')));
}

} // namespace
} // namespace qx71
