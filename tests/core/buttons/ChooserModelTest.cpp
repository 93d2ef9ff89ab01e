#include "core/buttons/ChooserModel.h"
#include "core/common/Utf.h"

#include "core/buttons/ComboText.h"
#include "core/buttons/MainSetModel.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "core/macro/IKeyCapture.h"
#include "support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

constexpr uint32_t kDown = 0x00;
constexpr uint32_t kUp = 0x80;

class RecordingCapture final : public IKeyCapture {
public:
    void CaptureKeys() override { calls.push_back(true); }
    void StopCapture() override { calls.push_back(false); }
    bool On() const { return !calls.empty() && calls.back(); }
    std::vector<bool> calls;
};

std::vector<MacroListEntry> ListMacros(uint32_t category)
{
    if (category == 21) {
        return {{0, 0x15000001, u"Reload"}, {3, 0x15000002, u"Burst"}};
    }
    if (category == 3) {
        return {{7, 0x03000004, u"Buy AK"}};
    }
    return {};
}

class ChooserModelTest : public ::testing::Test {
protected:
    ChooserModel& Open(ButtonIndex button = ButtonIndex::Middle)
    {
        chooser = std::make_unique<ChooserModel>(button, u"Middle", ListMacros, &capture);
        chooser->Open();
        return *chooser;
    }
    RecordingCapture capture;
    std::unique_ptr<ChooserModel> chooser;
};

TEST_F(ChooserModelTest, OkRightAfterOpeningIsACancel)
{
    ChooserModel& c = Open();
    EXPECT_EQ(c.VisiblePage(), ChooserPage::Key);
    EXPECT_TRUE(c.TabChecked(ChooserPage::Key));
    EXPECT_TRUE(capture.On()) << "the key page receives the hook's keys";
    EXPECT_EQ(c.PressOk(), ChooserEnd::Cancel);
    EXPECT_EQ(c.Result().code, 0);
    EXPECT_FALSE(capture.On());
    EXPECT_EQ(c.Result().buttonIndex, 1);
}

TEST_F(ChooserModelTest, KeyPageCombinations)
{
    struct Case {
        const char* name;
        std::vector<std::pair<uint32_t, uint32_t>> keys; // virtual key, flags
        uint32_t code;
        std::u16string text;
    };
    const Case cases[] = {
        {"left Ctrl alone", {{0xA2, kDown}}, 0x00E00000, u"LCtrl"},
        {"left Ctrl twice", {{0xA2, kDown}, {0xA2, kDown}}, 0, u""},
        {"a release does not flip", {{0xA2, kDown}, {0xA2, kUp}}, 0x00E00000, u"LCtrl"},
        {"right Ctrl shares the box", {{0xA3, 0x01}}, 0x00E00000, u"LCtrl"},
        {"Shift alone", {{0xA0, kDown}}, 0x00E10000, u"LShift"},
        {"Alt alone, Alt held", {{0xA4, 0x20}}, 0x00E20000, u"LAlt"},
        {"Win alone", {{0x5C, 0x01}}, 0x00E30000, u"LWin"},
        {"Ctrl, Shift, A",
         {{0xA2, kDown}, {0xA0, kDown}, {0x41, kDown}},
         0x00040300,
         u"Shift + Ctrl + A"},
        {"Ctrl and Alt without a key", {{0x11, kDown}, {0x12, kDown}}, 0, u""},
        {"a key alone", {{0x70, kDown}}, 0x003A0000, u"F1"},
        {"a key going up is captured too", {{0x42, kUp}}, 0x00050000, u"B"},
        {"a second key replaces the first", {{0x41, kDown}, {0x1B, kDown}}, 0x00290000, u"Esc"},
        {"injected press", {{0xA2, 0x10}, {0x43, 0x10}}, 0x00060100, u"Ctrl + C"},
        {"F13 is unknown to the mouse", {{0x7C, kDown}}, 0, u""},
        {"F13 with Ctrl leaves the lone Ctrl",
         {{0xA2, kDown}, {0x7C, kDown}},
         0x00E00000,
         u"LCtrl"},
        {"Alt + F4", {{0xA4, kDown}, {0x73, kDown}}, 0x003D0400, u"Alt + F4"},
    };
    for (const Case& k : cases) {
        ChooserModel& c = Open();
        for (const auto& [vk, flags] : k.keys) {
            c.KeyPage().OnHookKey(vk, flags);
        }
        const ChooserEnd end = c.PressOk();
        EXPECT_EQ(end, k.code != 0 ? ChooserEnd::Ok : ChooserEnd::Cancel) << k.name;
        EXPECT_EQ(uint32_t(c.Result().code), k.code) << k.name;
        EXPECT_EQ(c.Result().kind, 5) << k.name;
        EXPECT_EQ(ComboText(uint32_t(c.Result().code)), k.text) << k.name;
    }
}

TEST_F(ChooserModelTest, KeyPageBoxesAndName)
{
    KeyComboCapture page;
    EXPECT_EQ(page.KeyText(), u"");
    page.ClickBox(ComboModifier::Win);
    page.OnHookKey(0x44, kDown);
    EXPECT_TRUE(page.Checked(ComboModifier::Win));
    EXPECT_EQ(page.KeyText(), u"D");
    EXPECT_EQ(page.ResultCode(), 0x00070800u);
    page.ClickBox(ComboModifier::Win);
    EXPECT_EQ(page.ResultCode(), 0x00070000u);
    page.OnHookKey(0xBA, kDown);
    EXPECT_EQ(page.KeyText(), u";");
}

TEST_F(ChooserModelTest, BasicPageStartsOnFire)
{
    ChooserModel& c = Open();
    c.SelectTab(ChooserPage::Basic);
    EXPECT_FALSE(capture.On());
    EXPECT_EQ(c.PressOk(), ChooserEnd::Ok);
    EXPECT_EQ(c.Result().code, 143);
    EXPECT_EQ(c.Result().kind, 0);

    ChooserModel& d = Open();
    d.SelectTab(ChooserPage::Basic);
    d.BasicPage().Select(15);
    d.PressOk();
    EXPECT_EQ(d.Result().code, 32);
}

TEST_F(ChooserModelTest, BasicListTable)
{
    const std::pair<const char*, int32_t> expected[kBasicListLines] = {
        {"str_close", 81},      {"str_lock", 82},          {"str_run", 84},
        {"str_show", 85},       {"str_win8_classic", 123}, {"str_win8_switch", 124},
        {"str_win8_winp", 126}, {"str_win8_winm", 127},    {"str_find", 125},
        {"str_mouseleft", 1},   {"str_mouseright", 2},     {"str_mousemiddle", 4},
        {"str_pre", 8},         {"str_back", 16},          {"str_player", 40},
        {"str_PL", 32},         {"str_stop", 33},          {"str_pre_media", 34},
        {"str_next_media", 35}, {"str_vol_dw", 38},        {"str_vol_up", 37},
        {"str_mute", 39},       {"str_snipe", 142},        {"str_fire", 143},
    };
    for (size_t i = 0; i < kBasicListLines; ++i) {
        EXPECT_EQ(kBasicFunctionList[i].textKey, expected[i].first);
        EXPECT_EQ(ToCode(kBasicFunctionList[i].function), expected[i].second);
    }
    EXPECT_FALSE(BasicListLineOf(11));
    EXPECT_FALSE(BasicListLineOf(121));
}

TEST_F(ChooserModelTest, MacroPageShowsTheUsersMacrosFirst)
{
    ChooserModel& c = Open();
    c.SelectTab(ChooserPage::Macro);
    EXPECT_FALSE(capture.On());
    const MacroChooserPage& page = c.MacroPage();
    EXPECT_EQ(page.SelectedGame(), 20u);
    ASSERT_EQ(page.Macros().size(), 2u);
    EXPECT_EQ(page.SelectedMacro(), 1u) << "the last added line";
    c.MacroPage().OnMacroSelected(0);
    EXPECT_EQ(c.PressOk(), ChooserEnd::Ok);
    EXPECT_EQ(uint32_t(c.Result().code), 0x15000001u);
    EXPECT_EQ(c.Result().kind, 6);
}

TEST_F(ChooserModelTest, MacroPageGameChangesAndEmptyCategories)
{
    ChooserModel& c = Open();
    c.SelectTab(ChooserPage::Macro);
    c.MacroPage().OnGameSelected(2);
    ASSERT_EQ(c.MacroPage().Macros().size(), 1u);
    EXPECT_EQ(c.MacroPage().Macros()[0].id, 0x03000004u);
    // The first game, never shown before, is listed (its category is empty).
    c.MacroPage().OnGameSelected(0);
    EXPECT_TRUE(c.MacroPage().Macros().empty());
    EXPECT_FALSE(c.MacroPage().SelectedMacro());
    EXPECT_EQ(c.PressOk(), ChooserEnd::Cancel);
    EXPECT_EQ(c.Result().code, 0);
    EXPECT_EQ(c.Result().kind, 0);

    // A repeated notification for the game shown keeps the user's macro selection.
    ChooserModel& d = Open();
    d.SelectTab(ChooserPage::Macro);
    d.MacroPage().OnMacroSelected(0);
    d.MacroPage().OnGameSelected(20);
    EXPECT_EQ(d.MacroPage().SelectedMacro(), 0u);
}

TEST_F(ChooserModelTest, DisableBoxOverridesEveryPage)
{
    ChooserModel& c = Open();
    c.SelectTab(ChooserPage::Advanced);
    c.ClickDisable();
    EXPECT_TRUE(c.DisableChecked());
    EXPECT_EQ(c.VisiblePage(), ChooserPage::None);
    for (int t = 1; t <= 4; ++t) {
        EXPECT_FALSE(c.TabChecked(static_cast<ChooserPage>(t)));
    }
    c.SelectTab(ChooserPage::Basic);
    EXPECT_EQ(c.VisiblePage(), ChooserPage::None) << "tabs do nothing while it is checked";
    EXPECT_FALSE(capture.On());

    c.ClickDisable();
    EXPECT_EQ(c.VisiblePage(), ChooserPage::Key) << "unchecking returns to the key page";
    EXPECT_TRUE(capture.On());
    c.ClickDisable();
    EXPECT_EQ(c.PressOk(), ChooserEnd::Ok);
    EXPECT_EQ(c.Result().code, 7);
    EXPECT_EQ(c.Result().kind, 121);
    EXPECT_FALSE(capture.On());
}

TEST_F(ChooserModelTest, DefaultButtonGivesTheInputsDefault)
{
    const std::pair<ButtonIndex, int32_t> cases[] = {
        {ButtonIndex::Left, 1},           {ButtonIndex::Middle, 4}, {ButtonIndex::Right, 2},
        {ButtonIndex::Forward, 8},        {ButtonIndex::Back, 16},  {ButtonIndex::WheelForward, 11},
        {ButtonIndex::WheelBackward, 22},
    };
    for (const auto& [button, code] : cases) {
        ChooserModel& c = Open(button);
        c.KeyPage().OnHookKey(0x41, kDown);
        EXPECT_EQ(c.PressDefault(), ChooserEnd::Ok);
        EXPECT_EQ(c.Result().code, code);
        EXPECT_EQ(c.Result().kind, 0);
        EXPECT_FALSE(capture.On());
    }
}

TEST_F(ChooserModelTest, CloseEndsWithCancelAndRoutesKeysBack)
{
    ChooserModel& c = Open();
    c.KeyPage().OnHookKey(0x41, kDown);
    EXPECT_EQ(c.PressClose(), ChooserEnd::Cancel);
    EXPECT_FALSE(capture.On());
    ChooserModel& d = Open();
    d.KeyPage().OnHookKey(0x41, kDown);
    EXPECT_EQ(d.CloseOther(), ChooserEnd::Cancel);
    EXPECT_FALSE(capture.On());
}

TEST(HostBrowse, FiltersAndStartFoldersOfThisSystem)
{
    EXPECT_EQ(HostNameFilter(HostFileKind::Sound, false), u"Sound files (*.wav *.WAV *.Wav)");
    EXPECT_EQ(HostNameFilter(HostFileKind::Program, false), u"Programs (*)");
    EXPECT_EQ(HostNameFilter(HostFileKind::AnyFile, true), u"所有文件 (*)");
    EXPECT_EQ(HostNameFilter(HostFileKind::Folder, false), u"");

    // Folders are always listed to walk through; a program is a file the user may run.
    for (const HostFileKind kind : {HostFileKind::Sound, HostFileKind::Program,
                                    HostFileKind::AnyFile, HostFileKind::Folder}) {
        EXPECT_TRUE(HostDialogLists(kind, true, false));
    }
    EXPECT_TRUE(HostDialogLists(HostFileKind::Program, false, true));
    EXPECT_FALSE(HostDialogLists(HostFileKind::Program, false, false));
    EXPECT_TRUE(HostDialogLists(HostFileKind::AnyFile, false, false));
    EXPECT_TRUE(HostDialogLists(HostFileKind::Sound, false, false));
    EXPECT_FALSE(HostDialogLists(HostFileKind::Folder, false, true));

    const auto isFolder = [](std::u16string_view path) {
        return path == u"/home/me/sounds" || path == u"/";
    };
    const struct {
        std::u16string current;
        std::u16string start;
    } cases[] = {
        {u"/home/me/sounds/ring.wav", u"/home/me/sounds"},
        {u"/home/me/sounds/sub/", u"/home/me/sounds"}, // a folder opens among its neighbours
        {u"/bin", u"/"},
        {u"/gone/ring.wav", u"/home/me"},
        {u"", u"/home/me"},
        {u"relative.wav", u"/home/me"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HostStartFolder(c.current, u"/home/me", isFolder), c.start)
            << Utf16ToUtf8(c.current);
    }
}

TEST_F(ChooserModelTest, AdvancedPageRowsAndCodes)
{
    ChooserModel& c = Open(ButtonIndex::Forward);
    c.SelectTab(ChooserPage::Advanced);
    HostActionPage& page = c.AdvancedPage();
    page.ClickBox(HostRow::Sound);
    const HostBrowse& browse = page.BeginBrowse(HostRow::Program);
    EXPECT_FALSE(browse.folder);
    EXPECT_EQ(browse.filterPattern, u"*.exe");
    EXPECT_EQ(browse.kind, HostFileKind::Program);
    EXPECT_FALSE(page.Checked(HostRow::Sound));
    EXPECT_TRUE(page.Checked(HostRow::Program));
    EXPECT_TRUE(page.BeginBrowse(HostRow::Folder).folder);
    // A checked row without a path gives nothing: cancel.
    EXPECT_EQ(c.PressOk(), ChooserEnd::Cancel);

    ChooserModel& d = Open(ButtonIndex::Forward);
    d.SelectTab(ChooserPage::Advanced);
    ASSERT_TRUE(d.AdvancedPage().SetPath(HostRow::Sound, u"/a.wav"));
    ASSERT_TRUE(d.AdvancedPage().SetPath(HostRow::Program, u"/usr/bin/xterm"));
    d.AdvancedPage().ClickBox(HostRow::Program);
    EXPECT_EQ(d.PressOk(), ChooserEnd::Ok);
    EXPECT_EQ(d.Result().code, 0x00D30006);
    EXPECT_EQ(d.Result().kind, 19);
    EXPECT_EQ(d.Result().hostRow, 1);
    EXPECT_EQ(d.Result().path, u"/usr/bin/xterm");

    // The code of each row for each input.
    EXPECT_EQ(HostCode(HostRow::Sound, ButtonIndex::Left), 0x00C00006);
    EXPECT_EQ(HostCode(HostRow::Folder, ButtonIndex::WheelBackward), 0x00F60006);
    EXPECT_EQ(HostCode(HostRow::File, ButtonIndex::Middle), 0x00E10006);

    // A path the assignment cannot hold whole is refused rather than cut.
    HostActionPage fresh;
    EXPECT_TRUE(fresh.SetPath(HostRow::File, std::u16string(259, u'a')));
    EXPECT_FALSE(fresh.SetPath(HostRow::File, std::u16string(260, u'b')));
    EXPECT_EQ(fresh.Path(HostRow::File), std::u16string(259, u'a'));
}

TEST_F(ChooserModelTest, ThePageStoresWhatTheChooserGives)
{
    ProfileRecord profile = DefaultProfile(false);
    std::array<uint32_t, kProfileButtons> macroIds{};
    test::RecordingMessageSink messages;
    MainSetModel page(
        profile, macroIds, messages, [] { return false; },
        [](uint32_t) { return std::u16string(u"Reload"); });
    page.RefreshFromProfile();
    const auto typeCtrlC = [&](ButtonIndex button, const std::u16string& name) {
        ChooserModel c(button, name, ListMacros, &capture);
        c.Open();
        c.KeyPage().OnHookKey(0xA2, kDown);
        c.KeyPage().OnHookKey(0x43, kDown);
        c.KeyPage().OnHookKey(0x43, kUp);
        c.KeyPage().OnHookKey(0xA2, kUp);
        return c.PressOk() == ChooserEnd::Ok ? std::optional(c.Result()) : std::nullopt;
    };
    EXPECT_EQ(page.AssignButton(ButtonIndex::Middle, typeCtrlC), AssignOutcome::Stored);
    EXPECT_EQ(profile.buttons[1].function, 5);
    EXPECT_EQ(profile.buttons[1].keyCode, 0x00060100u);
    EXPECT_EQ(TextOf(profile.buttons[1].displayName), u"Ctrl + C");
    EXPECT_TRUE(page.TabHighlighted(ButtonIndex::Middle));
    EXPECT_FALSE(capture.On());
}

} // namespace
} // namespace qx71
