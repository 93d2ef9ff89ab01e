#include "core/focus/ProfileFollower.h"

#include "support/FakeTimerQueue.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace qx71 {
namespace {

const FocusedWindow kGame{"sauerbraten", "Sauerbraten", "sauer_client", false};
const FocusedWindow kEditor{"gedit", "Gedit", "gedit", false};
const FocusedWindow kBrowser{"Navigator", "firefox", "firefox-esr", false};
const FocusedWindow kOwn{"qx71", "qx71", "qx71", true};

// The window as the follower sees it: a store with a current profile, a write thread whose
// passes end when the test says so.
class FollowerTest : public ::testing::Test {
protected:
    FollowerTest()
    {
        ProfileFollower::Host host;
        host.currentProfile = [this] { return current; };
        host.profileAvailable = [this](size_t p) { return !deleted.contains(p); };
        host.passRunning = [this] { return running; };
        host.startSwitch = [this](size_t p) {
            current = p;
            running = true;
            passes.push_back(p);
            return true;
        };
        host.rules = [this] { return rules; };
        host.changed = [] {};
        follower = std::make_unique<ProfileFollower>(timers, host, current);
    }

    void Focus(const FocusedWindow& window, uint32_t restMs = kFocusRestMs)
    {
        follower->OnFocus(window);
        timers.Advance(restMs);
    }
    // The running pass ends with the mouse holding its profile.
    void FinishPass()
    {
        ASSERT_TRUE(running);
        running = false;
        follower->OnPassFinished(current);
    }

    test::FakeTimerQueue timers;
    size_t current = 1;
    bool running = false;
    std::set<size_t> deleted;
    FocusRules rules{{RuleMatch::Class, "Sauerbraten", 3}, {RuleMatch::Executable, "gedit", 2}};
    std::vector<size_t> passes;
    std::unique_ptr<ProfileFollower> follower;
};

TEST_F(FollowerTest, SwitchesOnlyOnceTheFocusHasRested)
{
    follower->OnFocus(kGame);
    timers.Advance(kFocusRestMs - 1);
    EXPECT_TRUE(passes.empty());
    timers.Advance(1);
    EXPECT_EQ(passes, std::vector<size_t>{3});
    FinishPass();
    ASSERT_TRUE(follower->ChosenBy());
    EXPECT_EQ(follower->ChosenBy()->program, "Sauerbraten");
}

TEST_F(FollowerTest, FocusPassingThroughWindowsGivesOnePassForWhereItRests)
{
    for (const FocusedWindow* w : {&kGame, &kEditor, &kGame, &kBrowser, &kGame}) {
        Focus(*w, kFocusRestMs / 5);
    }
    EXPECT_TRUE(passes.empty());
    timers.Advance(kFocusRestMs);
    EXPECT_EQ(passes, std::vector<size_t>{3});
}

TEST_F(FollowerTest, LeavingTheRuledProgramsBringsBackTheProfileInUseBefore)
{
    Focus(kGame);
    FinishPass();
    Focus(kEditor); // another rule: no fallback yet
    FinishPass();
    Focus(kBrowser);
    FinishPass();
    EXPECT_EQ(passes, (std::vector<size_t>{3, 2, 1}));
    EXPECT_FALSE(follower->ChosenBy());
}

TEST_F(FollowerTest, WithoutARuleInForceTheUsersChoiceIsLeftAlone)
{
    current = 4; // the user chose profile 4 in the window and did not apply it
    follower->OnUserChoseProfile(4);
    Focus(kBrowser);
    Focus({"xterm", "XTerm", "xterm", false});
    EXPECT_TRUE(passes.empty());
}

TEST_F(FollowerTest, TheLastProfileWantedDuringAPassGoesWhenItEnds)
{
    Focus(kGame);
    Focus(kEditor);
    Focus(kBrowser);
    Focus(kEditor);
    EXPECT_EQ(passes, std::vector<size_t>{3});
    FinishPass();
    EXPECT_EQ(passes, (std::vector<size_t>{3, 2}));
    FinishPass();
    EXPECT_EQ(passes.size(), 2u);
}

TEST_F(FollowerTest, APassOfTheWindowsOwnAlsoHoldsTheSwitchBack)
{
    running = true; // the user pressed Apply
    Focus(kGame);
    EXPECT_TRUE(passes.empty());
    running = false;
    follower->OnPassFinished(1);
    EXPECT_EQ(passes, std::vector<size_t>{3});
}

TEST_F(FollowerTest, NoPassForTheProfileTheMouseHolds)
{
    rules = {{RuleMatch::Class, "Sauerbraten", 1}};
    Focus(kGame);
    EXPECT_TRUE(passes.empty());
    ASSERT_TRUE(follower->ChosenBy());
}

TEST_F(FollowerTest, AFailedPassIsNotRepeatedAndTheNextFocusTriesAgain)
{
    Focus(kGame);
    running = false;
    follower->OnPassFinished(0);
    EXPECT_EQ(passes, std::vector<size_t>{3});
    EXPECT_FALSE(follower->ChosenBy());
    Focus(kBrowser);
    EXPECT_EQ(passes, (std::vector<size_t>{3, 1}));
}

TEST_F(FollowerTest, ARuleOfADeletedProfileIsPassedOver)
{
    deleted = {3};
    Focus(kGame);
    EXPECT_TRUE(passes.empty());
    rules.insert(rules.begin() + 1, {RuleMatch::Executable, "sauer_client", 5});
    Focus(kGame);
    EXPECT_EQ(passes, std::vector<size_t>{5});
}

TEST_F(FollowerTest, ItsOwnWindowChangesNothingAndIsNotListed)
{
    Focus(kGame);
    FinishPass();
    Focus(kOwn);
    EXPECT_EQ(passes, std::vector<size_t>{3});
    EXPECT_TRUE(follower->ChosenBy());
    Focus(kBrowser);
    FinishPass();
    EXPECT_EQ(follower->RecentPrograms(), (std::vector<std::string>{"firefox", "Sauerbraten"}));
}

TEST_F(FollowerTest, TheUsersChoiceEndsTheRuleAndIsWhatComesBack)
{
    Focus(kGame);
    FinishPass();
    current = 5;
    follower->OnUserChoseProfile(5);
    EXPECT_FALSE(follower->ChosenBy());
    Focus(kGame);
    FinishPass();
    Focus(kBrowser);
    EXPECT_EQ(passes, (std::vector<size_t>{3, 3, 5}));
}

TEST_F(FollowerTest, RemembersTheLatestProgramsOnce)
{
    for (const FocusedWindow* w : {&kGame, &kEditor, &kGame}) {
        Focus(*w);
        if (running) {
            FinishPass();
        }
    }
    for (size_t i = 0; i < kRecentProgramCount + 2; ++i) {
        Focus({"", "Program" + std::to_string(i), "", false});
        if (running) {
            FinishPass();
        }
    }
    ASSERT_EQ(follower->RecentPrograms().size(), kRecentProgramCount);
    EXPECT_EQ(follower->RecentPrograms().front(),
              "Program" + std::to_string(kRecentProgramCount + 1));
}

} // namespace
} // namespace qx71
