#include "support/MacroFixtures.h"

#include "core/macro/MacroBuild.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qx71 {
namespace {

EventItem Press(uint32_t code)
{
    return MakeKeyItem(MacroItemKind::Press, code, nullptr);
}
EventItem Release(uint32_t code)
{
    return MakeKeyItem(MacroItemKind::Release, code, nullptr);
}
EventItem Pause(uint32_t ms)
{
    return MakePauseItem(ms);
}

EventListModel ListOf(std::initializer_list<EventItem> items)
{
    EventListModel list;
    for (const auto& item : items) {
        list.Add(item);
    }
    return list;
}

using test::Delay;
using test::Down;
using test::Up;

TEST(PauseText, HasTwoSpacesBeforeMs)
{
    EXPECT_EQ(PauseText(120), u"120  ms");
    EXPECT_EQ(MakePauseItem(0x1FFFFFF).value, kMaxPauseMs);
}

TEST(BuildMacroFromList, FollowsTheStoringRules)
{
    struct Case {
        const char* what;
        std::vector<EventItem> items;
        std::u16string loopText;
        std::vector<MacroEvent> events;
        uint32_t loopCount;
        size_t itemsAfter;
    };
    const Case cases[] = {
        {"leading pause dropped",
         {Pause(80), Press(0x41), Release(0x41)},
         u"2",
         {Down(0x41), Up(0x41)},
         2,
         3},
        {"adjacent pauses merged",
         {Press(0x41), Pause(200), Pause(300), Release(0x41)},
         u"1",
         {Down(0x41), Delay(500), Up(0x41)},
         1,
         3},
        {"a run of pauses merged and capped",
         {Press(0x41), Pause(200000), Pause(200000), Pause(5), Release(0x41)},
         u"1",
         {Down(0x41), Delay(kMaxMergedPauseMs), Up(0x41)},
         1,
         3},
        {"single press plays once per press",
         {Press(0x41)},
         u"5",
         {Down(0x41)},
         LoopSinglePress,
         1},
        {"single press after a pause",
         {Pause(10), Press(0x41)},
         u"5",
         {Down(0x41)},
         LoopSinglePress,
         2},
        {"single release keeps the loop count", {Release(0x41)}, u"5", {Up(0x41)}, 5, 1},
        {"loop count 0 gives 1", {Press(1), Release(1)}, u"0", {Down(1), Up(1)}, 1, 2},
        {"loop count not a number gives 1", {Press(1), Release(1)}, u"x", {Down(1), Up(1)}, 1, 2},
        {"loop count above 65533", {Press(1), Release(1)}, u"70000", {Down(1), Up(1)}, 65533, 2},
    };
    for (const Case& c : cases) {
        EventListModel list;
        for (const auto& item : c.items) {
            list.Add(item);
        }
        const auto built = BuildMacroFromList(list, c.loopText, 0x15000001, u"name");
        ASSERT_TRUE(built) << c.what;
        const MacroRecord& r = built->record;
        EXPECT_EQ(r.size, 4100 + 4 * c.items.size()) << c.what;
        EXPECT_EQ(r.magic, kMacroMagic);
        EXPECT_EQ(r.id, 0x15000001u);
        EXPECT_EQ(MacroNameOf(r), u"name");
        ASSERT_EQ(r.eventCount, c.events.size()) << c.what;
        EXPECT_TRUE(std::equal(c.events.begin(), c.events.end(), r.events)) << c.what;
        EXPECT_EQ(r.events[r.eventCount], 0u);
        EXPECT_EQ(r.loopCount, c.loopCount) << c.what;
        EXPECT_EQ(list.Size(), c.itemsAfter) << c.what;
        EXPECT_FALSE(built->truncated);
    }
}

TEST(BuildMacroFromList, StoresNothingWithoutAKeyEvent)
{
    EventListModel empty;
    EXPECT_FALSE(BuildMacroFromList(empty, u"1", 1, u""));
    EventListModel pauses = ListOf({Pause(10), Pause(20)});
    EXPECT_FALSE(BuildMacroFromList(pauses, u"1", 1, u""));
    EXPECT_EQ(pauses.Size(), 1u); // still merged, as the page shows it
}

TEST(BuildMacroFromList, StopsAt1000EventsAndCutsTheListToMatch)
{
    EventListModel list;
    for (int i = 0; i < 700; ++i) {
        list.Add(Press(0x41));
        list.Add(Pause(5));
    }
    const auto built = BuildMacroFromList(list, u"1", 1, u"");
    ASSERT_TRUE(built);
    EXPECT_TRUE(built->truncated);
    EXPECT_EQ(built->record.eventCount, kMacroMaxEvents);
    EXPECT_EQ(list.Size(), kMacroMaxEvents);
    EXPECT_EQ(built->record.size, 4100u + 4 * 1400);
}

TEST(MergeDelays, KeepsTheSelectionOnItsItem)
{
    EventListModel list = ListOf({Press(1), Pause(1), Pause(2), Release(1)});
    list.Select(3);
    MergeDelays(list);
    EXPECT_EQ(list.Selection(), 2);
    EXPECT_EQ(list.At(1).text, u"3  ms");
}

TEST(Fields, DelayAndLoopCountParsing)
{
    EXPECT_EQ(ParseDelayField(u""), 0u);
    EXPECT_EQ(ParseDelayField(u"250"), 250u);
    EXPECT_FALSE(ParseDelayField(u"25x"));
    EXPECT_FALSE(ParseDelayField(u" 25"));
    EXPECT_FALSE(ParseDelayField(u"-5"));
    EXPECT_EQ(ParseDecimal(u"99999999999"), 0xFFFFFFFFu);
    EXPECT_EQ(LoopCountFromText(u""), 1u);
    EXPECT_EQ(LoopCountFromText(u"65533"), 65533u);
    EXPECT_EQ(LoopCountFromText(u"99999999999"), 65533u);
}

} // namespace
} // namespace qx71
