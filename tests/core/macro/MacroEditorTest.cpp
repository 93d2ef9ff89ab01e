#include "MemoryFileSystem.h"
#include "RecordingSink.h"
#include "support/FakeClock.h"
#include "support/MacroFixtures.h"

#include "core/buttons/MacroKeyNames.h"
#include "core/i18n/UiStrings.h"
#include "core/macro/IKeyCapture.h"
#include "core/macro/MacroCategories.h"
#include "core/macro/MacroEditor.h"
#include "core/macro/MacroInUse.h"
#include "core/macro/MacroLibrary.h"
#include "core/macro/MacroTexts.h"

#include <gtest/gtest.h>

#include <set>

namespace qx71 {
namespace {

constexpr uint32_t kA = 0x41;
constexpr uint32_t kB = 0x42;
constexpr uint32_t kC = 0x43;
constexpr uint32_t kFirst = 0x15000001;
constexpr uint32_t kSecond = 0x15000002;
constexpr uint32_t kBattlefield = 0x01000003;

class FakeCapture final : public IKeyCapture {
public:
    bool on = false;
    void CaptureKeys() override { on = true; }
    void StopCapture() override { on = false; }
};

class FakeUsage final : public IMacroUsage {
public:
    std::set<uint32_t> ids;
    bool IsMacroInUse(uint32_t id) const override { return ids.count(id) != 0; }
};

MacroRecord Stored(uint32_t id, std::u16string_view name, std::vector<MacroEvent> events,
                   uint32_t loop = 1)
{
    MacroRecord r;
    r.size = kMacroRecordSize;
    r.magic = kMacroMagic;
    r.id = id;
    r.loopCount = loop;
    r.eventCount = static_cast<uint32_t>(events.size());
    std::copy(events.begin(), events.end(), r.events);
    SetMacroName(r, name);
    return r;
}

using test::Delay;
using test::Down;
using test::Up;

// "+A" press, "-A" release, "120  ms" pause.
std::vector<std::u16string> Describe(const EventListModel& list)
{
    std::vector<std::u16string> out;
    for (const EventItem& item : list.Items()) {
        const char16_t* mark = item.kind == MacroItemKind::Press     ? u"+"
                               : item.kind == MacroItemKind::Release ? u"-"
                                                                     : u"";
        out.push_back(mark + item.text);
    }
    return out;
}

using Texts = std::vector<std::u16string>;

class MacroEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MacroTable t;
        t.Put(Stored(kFirst, u"first", {Down(kA), Delay(100), Up(kA)}, 3));
        t.Put(Stored(kBattlefield, u"bf", {Down(kC), Up(kC)}));
        t.Put(Stored(kSecond, u"second", {Down(kB), Up(kB)}));
        fs.files[path] = t.WriteImage();
        ASSERT_TRUE(library.LoadMacroFile());
        clock.Advance(5000);
        editor.ShowCategory(kUserMacroCategory);
    }

    std::optional<MacroRecord> Find(uint32_t id) { return library.FindMacro(id); }
    std::vector<MacroEvent> EventsOf(uint32_t id)
    {
        const auto r = Find(id);
        if (!r) {
            return {};
        }
        return std::vector<MacroEvent>(r->events, r->events + r->eventCount);
    }
    void Key(uint32_t code, bool released, uint32_t afterMs = 0)
    {
        clock.Advance(afterMs);
        editor.RecordInput(code, released ? kKeyReleasedFlag : 0);
    }
    // Records a press and release of each key with `gap` ms between events.
    void Record(std::initializer_list<uint32_t> keys, uint32_t gap = 100)
    {
        editor.ToggleRecording();
        for (uint32_t k : keys) {
            Key(k, false, gap);
            Key(k, true, gap);
        }
        editor.ToggleRecording();
    }
    std::vector<std::u16string> Shown() const
    {
        std::vector<std::u16string> out;
        for (const auto& m : sink.shown) {
            out.push_back(m.text);
        }
        return out;
    }

    test::MemoryFileSystem fs;
    test::RecordingSink sink;
    test::FakeClock clock;
    UiStrings strings;
    FakeCapture capture;
    FakeUsage usage;
    std::filesystem::path path = "/data/Macro.cfg";
    MacroLibrary library{fs, sink, strings, path};
    MacroEditor editor{library, clock, sink, capture, usage, MacroKeyName};
};

TEST_F(MacroEditorTest, StartsWithTheUserCategoryAndItsLastMacroShown)
{
    EXPECT_EQ(editor.Category(), kUserMacroCategory);
    EXPECT_EQ(editor.View().gameCaption, u"Customisze");
    EXPECT_EQ(editor.View().recordCaption, u"Start Record");
    ASSERT_EQ(editor.MacroList().Size(), 2u);
    EXPECT_EQ(editor.MacroList().At(1).text, u"second");
    EXPECT_EQ(editor.ShownMacro(), 1);
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+B", u"-B"}));
    EXPECT_EQ(editor.ShownEvent(), 1);
    EXPECT_EQ(editor.View().loopCountText, u"1");
}

TEST_F(MacroEditorTest, RecordingListsPressPauseReleaseAndDropsHeldKeyRepeats)
{
    editor.ToggleRecording();
    EXPECT_TRUE(capture.on);
    EXPECT_EQ(editor.View().recordCaption, u"Stop Record");
    EXPECT_FALSE(editor.View().editButtonsEnabled);
    EXPECT_TRUE(editor.EventList().Empty());
    Key(kA, false);     // the first event has no pause before it
    Key(kA, false, 40); // held: the repeats are dropped
    Key(kA, false, 40);
    Key(kA, true, 40);
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+A", u"120  ms", u"-A"}));
    EXPECT_EQ(editor.EventList().Selection(), 2);
    EXPECT_EQ(editor.RecordedCount(), 2u);
    // Nothing is stored until the recording stops.
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Down(kB), Up(kB)}));

    editor.ToggleRecording();
    EXPECT_FALSE(capture.on);
    EXPECT_TRUE(editor.View().editButtonsEnabled);
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Down(kA), Delay(120), Up(kA)}));
}

TEST_F(MacroEditorTest, AHiddenWindowSuspendsARecordingWhichGoesOnWhenItShowsAgain)
{
    editor.ToggleRecording();
    Key(kA, false);
    editor.SuspendCapture();
    EXPECT_FALSE(capture.on);
    // Nothing was stored behind the user's back, and the recording is still open.
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Down(kB), Up(kB)}));
    EXPECT_EQ(editor.View().recordCaption, u"Stop Record");
    editor.ResumeCapture();
    EXPECT_TRUE(capture.on);
    Key(kA, true, 30);
    editor.ToggleRecording();
    EXPECT_FALSE(capture.on);
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Down(kA), Delay(30), Up(kA)}));

    // Without a recording, showing the window again takes no keys.
    editor.SuspendCapture();
    editor.ResumeCapture();
    EXPECT_FALSE(capture.on);
}

TEST_F(MacroEditorTest, NoDelayOptionRecordsNoPauses)
{
    editor.ToggleNoDelay();
    Record({kA, kB});
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+A", u"-A", u"+B", u"-B"}));
}

TEST_F(MacroEditorTest, RecordingKeepsTheFirst999KeyEvents)
{
    editor.ToggleNoDelay();
    editor.ToggleRecording();
    for (int i = 0; i < 500; ++i) {
        Key(kA, false);
        Key(kA, true);
    }
    EXPECT_EQ(editor.EventList().Size(), 999u);
    EXPECT_EQ(editor.RecordedCount(), 999u);
    editor.ToggleRecording();
    EXPECT_EQ(Find(kSecond)->eventCount, 999u);
}

TEST_F(MacroEditorTest, RecordingLongerThanARecordIsStoredUpTo1000EventsWithANotice)
{
    editor.ToggleRecording();
    for (int i = 0; i < 500; ++i) {
        Key(kA, false, 10);
        Key(kA, true, 10);
    }
    EXPECT_EQ(editor.EventList().Size(), 999u + 998u);
    editor.ToggleRecording();
    EXPECT_EQ(Find(kSecond)->eventCount, kMacroMaxEvents);
    EXPECT_EQ(editor.EventList().Size(), kMacroMaxEvents);
    EXPECT_EQ(Shown(), (Texts{std::u16string(kMacroTruncatedText.english)}));
}

TEST_F(MacroEditorTest, MouseButtonsRecordLikeKeysOnlyWhileRecording)
{
    editor.MouseButtonInput(PageMouseButton::Left, kButtonPressed); // idle: ignored
    editor.ToggleNoDelay();
    editor.ToggleRecording();
    editor.MouseButtonInput(PageMouseButton::Left, kButtonPressed);
    editor.MouseButtonInput(PageMouseButton::Left, 600); // not a press or release
    editor.MouseButtonInput(PageMouseButton::Left, kButtonReleased);
    editor.MouseButtonInput(PageMouseButton::Middle, kButtonPressed);
    editor.MouseButtonInput(PageMouseButton::Right, kButtonPressed);
    editor.ToggleRecording();
    EXPECT_EQ(Describe(editor.EventList()),
              (Texts{u"+Left Button", u"-Left Button", u"+Middle Button", u"+Right Button"}));
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Down(1), Up(1), Down(4), Down(2)}));
}

TEST_F(MacroEditorTest, RecordingIsRefusedWhileAnInsertOrModifyIsOpen)
{
    struct Case {
        bool chinese;
        void (*open)(MacroEditor&);
        EditState state;
        std::u16string_view message;
    };
    const Case cases[] = {
        {false, [](MacroEditor& e) { e.BeginInsert(); }, EditState::InsertKey,
         kRecordRefusedKeyText.english},
        {true,
         [](MacroEditor& e) {
             e.BeginInsert();
             e.ChooseDelayOption();
         },
         EditState::InsertDelay, kRecordRefusedDelayText.chinese},
        {false, [](MacroEditor& e) { e.BeginModify(); }, EditState::ModifyKey,
         kRecordRefusedKeyText.english},
        {true,
         [](MacroEditor& e) {
             e.SelectEvent(0);
             e.BeginModify();
         },
         EditState::ModifyKey, kRecordRefusedKeyText.chinese},
    };
    for (const Case& c : cases) {
        sink.shown.clear();
        editor.SetChinese(c.chinese);
        c.open(editor);
        ASSERT_EQ(editor.State(), c.state);
        editor.ToggleRecording();
        EXPECT_FALSE(editor.Recording());
        EXPECT_EQ(editor.State(), c.state);
        EXPECT_EQ(Shown(), (Texts{std::u16string(c.message)}));
        editor.SelectEvent(editor.ShownEvent() == 0 ? 1 : 0); // closes the edit
        ASSERT_EQ(editor.State(), EditState::None);
    }
    // A pause selected for modifying gives the "delay" message.
    editor.SetChinese(false);
    editor.SelectMacro(0);
    editor.SelectEvent(1);
    editor.BeginModify();
    sink.shown.clear();
    editor.ToggleRecording();
    EXPECT_EQ(Shown(), (Texts{std::u16string(kRecordRefusedDelayText.english)}));
}

TEST_F(MacroEditorTest, InsertedKeyGoesBeforeTheSelectedItem)
{
    editor.SelectMacro(0); // +A 100 -A
    editor.SelectEvent(2);
    editor.BeginInsert();
    EXPECT_FALSE(capture.on);
    editor.ChooseKeyOption();
    EXPECT_TRUE(capture.on);
    Key(kC, false);
    EXPECT_EQ(editor.CapturedCode(), kC);
    EXPECT_EQ(editor.View().keyFieldText, u"C");
    EXPECT_EQ(editor.RecordedCount(), 0u);
    editor.ConfirmKey();
    EXPECT_FALSE(capture.on);
    EXPECT_EQ(editor.State(), EditState::None);
    EXPECT_FALSE(editor.View().keyFieldVisible);
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+A", u"100  ms", u"+C", u"-C", u"-A"}));
    EXPECT_EQ(editor.EventList().Selection(), 3);
    EXPECT_EQ(EventsOf(kFirst),
              (std::vector<MacroEvent>{Down(kA), Delay(100), Down(kC), Up(kC), Up(kA)}));
    EXPECT_EQ(Find(kFirst)->loopCount, 3u);
}

TEST_F(MacroEditorTest, KeyInsertWithoutACapturedKeyChangesNothing)
{
    editor.SelectMacro(0);
    editor.SelectEvent(2);
    editor.BeginInsert();
    editor.ChooseKeyOption();
    editor.ConfirmKey();
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+A", u"100  ms", u"-A"}));
}

TEST_F(MacroEditorTest, InsertedPauseFollowsTheNeighbourRules)
{
    struct Case {
        const char* what;
        int selected;
        std::u16string field;
        Texts expected;
    };
    const Case cases[] = {
        {"first item selected: nothing", 0, u"50", {u"+A", u"327650  ms", u"-A", u"+B", u"-B"}},
        {"pause above grows, capped", 2, u"50", {u"+A", u"327670  ms", u"-A", u"+B", u"-B"}},
        {"selected pause grows", 1, u"30", {u"+A", u"327670  ms", u"-A", u"+B", u"-B"}},
        {"empty field inserts 0 ms", 3, u"", {u"+A", u"327650  ms", u"-A", u"0  ms", u"+B", u"-B"}},
        {"not a number: nothing", 3, u"5a", {u"+A", u"327650  ms", u"-A", u"+B", u"-B"}},
    };
    MacroTable t;
    t.Put(Stored(kFirst, u"p", {Down(kA), Delay(327650), Up(kA), Down(kB), Up(kB)}));
    for (const Case& c : cases) {
        fs.files[path] = t.WriteImage();
        ASSERT_TRUE(library.LoadMacroFile());
        editor.ShowCategory(kUserMacroCategory);
        editor.SelectEvent(c.selected);
        editor.BeginInsert();
        editor.ChooseDelayOption();
        EXPECT_EQ(editor.State(), EditState::InsertDelay);
        editor.SetDelayFieldText(c.field);
        editor.ConfirmDelay();
        EXPECT_EQ(Describe(editor.EventList()), c.expected) << c.what;
        EXPECT_EQ(Find(kFirst)->eventCount, c.expected.size()) << c.what;
    }
}

TEST_F(MacroEditorTest, ModifyReplacesOneItemOfTheSameKind)
{
    editor.SelectMacro(0); // +A 100 -A
    editor.SelectEvent(0);
    editor.BeginModify();
    EXPECT_EQ(editor.State(), EditState::ModifyKey);
    EXPECT_TRUE(capture.on);
    Key(kC, true); // the direction of the captured event does not matter
    editor.ConfirmKey();
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+C", u"100  ms", u"-A"}));

    editor.SelectEvent(1);
    editor.BeginModify();
    EXPECT_EQ(editor.State(), EditState::ModifyDelay);
    EXPECT_FALSE(capture.on);
    editor.SetDelayFieldText(u"99999999");
    editor.ConfirmDelay();
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+C", u"16777215  ms", u"-A"}));
    EXPECT_EQ(EventsOf(kFirst), (std::vector<MacroEvent>{Down(kC), Delay(0xFFFFFF), Up(kA)}));
}

TEST_F(MacroEditorTest, ChangingTheEventSelectionCancelsAnOpenEdit)
{
    editor.SelectEvent(0);
    editor.BeginModify();
    ASSERT_TRUE(capture.on);
    editor.SelectEvent(1);
    EXPECT_EQ(editor.State(), EditState::None);
    EXPECT_FALSE(capture.on);
    EXPECT_FALSE(editor.View().keyOptionVisible);
    EXPECT_EQ(editor.ShownEvent(), 1);
}

TEST_F(MacroEditorTest, DeletingEventsStoresButNeverEmptiesAStoredMacro)
{
    editor.SelectEvent(0);
    editor.DeleteEvent();
    EXPECT_EQ(editor.ShownEvent(), -1);
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Up(kB)}));
    editor.SelectEvent(0);
    editor.DeleteEvent();
    EXPECT_TRUE(editor.EventList().Empty());
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Up(kB)}));
}

TEST_F(MacroEditorTest, SinglePressIsShownWithLoopCountOne)
{
    editor.ToggleNoDelay();
    editor.ToggleRecording();
    Key(kA, false);
    editor.SetLoopCountText(u"9"); // a single press still plays once per press
    editor.ToggleRecording();
    EXPECT_EQ(Find(kSecond)->loopCount, LoopSinglePress);
    editor.SelectMacro(0);
    EXPECT_EQ(editor.View().loopCountText, u"3");
    editor.SelectMacro(1);
    EXPECT_EQ(editor.View().loopCountText, u"1");
}

TEST_F(MacroEditorTest, LoopCountNormaliserRewritesTheFieldAndStores)
{
    struct Case {
        std::u16string typed;
        std::u16string shown;
        uint32_t stored;
    };
    const Case cases[] = {
        {u"007", u"7", 7},           {u"0", u"1", 1}, {u"000", u"1", 1},
        {u"70000", u"65533", 65533}, {u"", u"1", 1},  {u"12", u"12", 12},
    };
    for (const Case& c : cases) {
        editor.SetLoopCountText(c.typed);
        editor.NormaliseLoopCount();
        EXPECT_EQ(editor.View().loopCountText, c.shown);
        EXPECT_EQ(Find(kSecond)->loopCount, c.stored);
    }
}

TEST_F(MacroEditorTest, SelectingAnotherMacroWhileRecordingStoresIntoTheShownOne)
{
    editor.ToggleNoDelay();
    editor.ToggleRecording();
    Key(kC, false);
    Key(kC, true);
    editor.SelectMacro(0);
    EXPECT_FALSE(editor.Recording());
    EXPECT_FALSE(capture.on);
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Down(kC), Up(kC)}));
    EXPECT_EQ(editor.ShownMacro(), 0);
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+A", u"100  ms", u"-A"}));
    EXPECT_EQ(editor.View().loopCountText, u"3");
    EXPECT_EQ(Find(kFirst)->loopCount, 3u);
}

TEST_F(MacroEditorTest, NewMacroIsStoredOnlyOnceItHasEvents)
{
    clock.Advance(0x01000000); // the tick's high byte never reaches the id
    const int index = editor.NewMacro();
    ASSERT_EQ(index, 2);
    const uint32_t id = editor.MacroList().At(2).id;
    EXPECT_EQ(id, MakeMacroId(kUserMacroCategory, clock.TickMs()));
    EXPECT_EQ(editor.MacroList().At(2).text, u"New Macro");
    EXPECT_TRUE(editor.EventList().Empty());
    editor.RenameMacro(index, u"named but empty");
    EXPECT_EQ(editor.MacroList().At(2).text, u"named but empty");
    EXPECT_FALSE(Find(id));
    EXPECT_EQ(fs.writes, 0);

    editor.SelectCategory(1);
    editor.SelectCategory(kUserMacroCategory);
    EXPECT_EQ(editor.MacroList().Size(), 2u);

    editor.NewMacro();
    editor.RenameMacro(2, u"keys");
    Record({kA});
    const auto stored = library.ListCategory(kUserMacroCategory);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[2].name, u"keys");
}

TEST_F(MacroEditorTest, NewMacroNeverTakesTheIdOfAStoredOne)
{
    MacroTable t;
    const uint32_t tick = clock.TickMs();
    t.Put(Stored(MakeMacroId(21, tick), u"old", {Down(kA)}));
    fs.files[path] = t.WriteImage();
    ASSERT_TRUE(library.LoadMacroFile());
    editor.ShowCategory(kUserMacroCategory);
    editor.NewMacro();
    EXPECT_EQ(editor.MacroList().At(1).id, MakeMacroId(21, tick + 1));
}

TEST_F(MacroEditorTest, RenameStoresTheNewNameOfAStoredMacro)
{
    editor.RenameMacro(1, u"renamed and much longer than twenty");
    EXPECT_EQ(editor.MacroList().At(1).text, u"renamed and much lon");
    EXPECT_EQ(MacroNameOf(*Find(kSecond)), u"renamed and much lon");
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Down(kB), Up(kB)}));
}

TEST_F(MacroEditorTest, BlankRenameKeepsTheName)
{
    const int writes = fs.writes;
    for (std::u16string_view blank : {u"", u"   ", u" \t "}) {
        EXPECT_FALSE(editor.RenameMacro(1, blank));
        EXPECT_EQ(editor.MacroList().At(1).text, u"second");
    }
    EXPECT_EQ(MacroNameOf(*Find(kSecond)), u"second");
    EXPECT_EQ(fs.writes, writes);
    // Blanks around other characters are part of the name.
    EXPECT_TRUE(editor.RenameMacro(1, u" x "));
    EXPECT_EQ(MacroNameOf(*Find(kSecond)), u" x ");
}

TEST_F(MacroEditorTest, LeavingThePageStopsAndStoresARecording)
{
    editor.ToggleNoDelay();
    editor.ToggleRecording();
    Key(kC, false);
    Key(kC, true);
    editor.LeavePage();
    EXPECT_FALSE(editor.Recording());
    EXPECT_FALSE(capture.on);
    EXPECT_EQ(editor.View().recordCaption, u"Start Record");
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Down(kC), Up(kC)}));

    // Idle, leaving stores nothing.
    const int writes = fs.writes;
    editor.LeavePage();
    EXPECT_EQ(fs.writes, writes);
}

TEST_F(MacroEditorTest, LeavingThePageEndsAnOpenKeyEdit)
{
    editor.BeginInsert();
    editor.ChooseKeyOption();
    ASSERT_TRUE(capture.on);
    editor.LeavePage();
    EXPECT_EQ(editor.State(), EditState::None);
    EXPECT_FALSE(capture.on);
    EXPECT_FALSE(editor.View().keyOptionVisible);
    EXPECT_FALSE(editor.View().keyFieldVisible);
    EXPECT_FALSE(editor.View().delayOptionVisible);
    // Nothing waits for a key any more: recording can start at once.
    editor.ToggleRecording();
    EXPECT_TRUE(editor.Recording());
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(MacroEditorTest, MacroInUseIsNotDeleted)
{
    usage.ids = {kSecond};
    EXPECT_FALSE(editor.DeleteSelectedMacro());
    EXPECT_EQ(Shown(), (Texts{u"The macro is being applied and cannot be deleted!"}));
    editor.SetChinese(true);
    EXPECT_FALSE(editor.DeleteSelectedMacro());
    EXPECT_EQ(sink.shown.back().text, u"当前宏正在被使用，不能删除！");
    EXPECT_TRUE(Find(kSecond));
    EXPECT_EQ(editor.MacroList().Size(), 2u);
}

TEST_F(MacroEditorTest, DeletedMacroLeavesNothingSelectedAndTheNextItemCanBeShown)
{
    editor.SelectMacro(0);
    ASSERT_TRUE(editor.DeleteSelectedMacro());
    EXPECT_FALSE(Find(kFirst));
    EXPECT_EQ(editor.MacroList().Size(), 1u);
    EXPECT_FALSE(editor.MacroList().HasSelection());
    EXPECT_TRUE(editor.EventList().Empty());
    editor.SelectMacro(0); // "second" now sits where "first" was
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+B", u"-B"}));
}

// Macro.cfg could not be read (not for want of the file): it still holds the user's macros,
// so nothing is written over it, and each change the editor cannot store says so instead of
// vanishing silently.
TEST_F(MacroEditorTest, AChangeThatCannotBeStoredAfterAFailedReadSaysSo)
{
    fs.readError = FileError::AccessDenied;
    EXPECT_FALSE(library.LoadMacroFile());
    ASSERT_TRUE(library.WriteProtected());
    fs.readError.reset();
    const auto onDisk = fs.files[path];
    sink.shown.clear();
    const int writesBefore = fs.writes;
    editor.ShowCategory(kUserMacroCategory);
    editor.NewMacro();
    Record({kA});
    EXPECT_EQ(Shown(), (Texts{std::u16string(kMacrosUnreadableText.english)}));
    editor.RenameMacro(0, u"renamed");
    EXPECT_EQ(fs.writes, writesBefore);
    EXPECT_EQ(fs.files[path], onDisk);
}

TEST_F(MacroEditorTest, GameTitlesListTheirOwnMacros)
{
    ASSERT_TRUE(editor.SelectCategory(1));
    EXPECT_EQ(editor.View().gameCaption, u"Battlefield 3");
    ASSERT_EQ(editor.MacroList().Size(), 1u);
    EXPECT_EQ(editor.MacroList().At(0).id, kBattlefield);

    editor.SetChinese(true);
    editor.SelectCategory(5);
    EXPECT_EQ(editor.View().gameCaption, u"军团要塞 2");
    EXPECT_TRUE(editor.MacroList().Empty());
    EXPECT_TRUE(editor.EventList().Empty());
    EXPECT_FALSE(editor.SelectCategory(22));
    EXPECT_EQ(editor.Category(), 5u);

    editor.SelectCategory(14);
    editor.NewMacro();
    EXPECT_EQ(MacroCategoryOf(editor.MacroList().At(0).id), 14u);
}

TEST_F(MacroEditorTest, RecordingAfterAGameChoiceStoresIntoTheShownMacro)
{
    editor.SelectCategory(1);
    Record({kA});
    EXPECT_EQ(EventsOf(kBattlefield), (std::vector<MacroEvent>{Down(kA), Delay(100), Up(kA)}));
}

TEST_F(MacroEditorTest, ChoosingAGameWhileRecordingStoresTheRecordingFirst)
{
    editor.ToggleNoDelay();
    editor.ToggleRecording();
    Key(kC, false);
    editor.SelectCategory(1);
    EXPECT_FALSE(editor.Recording());
    EXPECT_EQ(EventsOf(kSecond), (std::vector<MacroEvent>{Down(kC)}));
    EXPECT_EQ(EventsOf(kBattlefield), (std::vector<MacroEvent>{Down(kC), Up(kC)}));
}

TEST_F(MacroEditorTest, UnknownEventKindEndsTheShownList)
{
    MacroTable t;
    t.Put(Stored(kFirst, u"bad", {Down(kA), 0x12000005, Up(kA)}));
    fs.files[path] = t.WriteImage();
    ASSERT_TRUE(library.LoadMacroFile());
    std::vector<std::string> debug;
    editor.SetDebugOutput([&](std::string_view line) { debug.emplace_back(line); });
    editor.ShowCategory(kUserMacroCategory);
    EXPECT_EQ(Describe(editor.EventList()), (Texts{u"+A"}));
    EXPECT_EQ(debug, (std::vector<std::string>{"LoadMacroToList:  Not a vaild item"}));
}

TEST_F(MacroEditorTest, RecordButtonHintFollowsTheRecording)
{
    std::vector<ControlRect> rects(kMacroHintControls);
    rects[static_cast<size_t>(MacroControl::Record)] = {10, 10, 50, 30};
    rects[static_cast<size_t>(MacroControl::EventList)] = {49, 0, 200, 200};
    EXPECT_EQ(editor.HintsAt(rects, 9, 9), (std::vector<uint32_t>{45}));
    EXPECT_EQ(editor.HintsAt(rects, 50, 30), (std::vector<uint32_t>{45, 88}));
    EXPECT_TRUE(editor.HintsAt(rects, 51, 5).size() == 1);
    editor.ToggleRecording();
    EXPECT_EQ(editor.HintsAt(rects, 20, 20), (std::vector<uint32_t>{46}));
    EXPECT_EQ(MacroControlTooltip(MacroControl::NoDelay), "str_macro_delay");
    EXPECT_FALSE(MacroControlHint(MacroControl::KeyConfirm, false));
}

} // namespace
} // namespace qx71
