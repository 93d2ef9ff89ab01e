// The macro page offscreen over a temp DataDir: what the user does with the page's own controls
// reaches the editor, and what the editor decides reaches the lists, the fields and Macro.cfg.
#include "core/macro/MacroLibrary.h"
#include "core/macro/MacroPageGeometry.h"
#include "core/macro/MacroTexts.h"
#include "gui/macro/CDlgMacro.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CListBoxEx.h"
#include "gui/widgets/CWndPopup.h"
#include "gui/widgets/MenuExLibrary.h"
#include "gui/widgets/QtConvert.h"
#include "support/MacroFixtures.h"
#include "support/gui/PageContextFixture.h"
#include "support/gui/QtTestHelpers.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qx71::gui {
namespace {

using test::Mouse;
using test::PageContextFixture;

constexpr uint32_t kKeyA = 0x41;
constexpr uint32_t kReleased = 0x80;
// The user's own group, shown when the program starts.
constexpr uint32_t kCustomise = 21;

void Click(QWidget* widget)
{
    const QPoint centre = widget->rect().center();
    Mouse(widget, QEvent::MouseMove, centre);
    Mouse(widget, QEvent::MouseButtonPress, centre);
    Mouse(widget, QEvent::MouseButtonRelease, centre);
}

std::vector<std::string> Texts(const CListBoxEx* list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list->count(); ++i) {
        texts.push_back(list->item(i)->text().toStdString());
    }
    return texts;
}

std::vector<uint32_t> Kinds(const CListBoxEx* list)
{
    std::vector<uint32_t> kinds;
    for (int i = 0; i < list->count(); ++i) {
        kinds.push_back(list->ItemData(i) >> 24);
    }
    return kinds;
}

class MacroPage : public ::testing::Test {
protected:
    MacroPage() : fixture(QX71_TEST_INSTALL_DIR_TEXT) {}

    // A macro of `category` that presses and releases A, stored before the page is filled.
    uint32_t StoreMacro(uint32_t category, uint32_t low, std::u16string_view name)
    {
        MacroRecord record = test::PressAMacro(MakeMacroId(category, low));
        SetMacroName(record, name);
        EXPECT_EQ(fixture.macros.StoreMacro(record), MacroStoreResult::Stored);
        return record.id;
    }

    CDlgMacro& Page()
    {
        if (!page) {
            page = std::make_unique<CDlgMacro>(fixture.Context(), nullptr);
            page->show();
            page->PrepareAtStart();
            // The lists lay out their items from the event loop.
            QCoreApplication::processEvents();
        }
        return *page;
    }

    // What Macro.cfg on disk holds for `id`, read afresh.
    std::optional<MacroRecord> OnDisk(uint32_t id)
    {
        if (!std::filesystem::exists(fixture.macros.FilePath())) {
            return std::nullopt;
        }
        MacroLibrary reread(fixture.files, fixture.messages, fixture.strings,
                            fixture.macros.FilePath());
        EXPECT_TRUE(reread.LoadMacroFile());
        return reread.FindMacro(id);
    }

    std::vector<MacroEvent> EventsOnDisk(uint32_t id)
    {
        const std::optional<MacroRecord> record = OnDisk(id);
        if (!record) {
            return {};
        }
        return {record->events, record->events + record->eventCount};
    }

    CGDIBitmapBtn* Button(MacroControl control) { return Page().Button(control); }

    PageContextFixture fixture;
    std::unique_ptr<CDlgMacro> page;
};

TEST_F(MacroPage, RecordsTypedKeysAndPageClicksWithTheirPausesIntoTheShownMacro)
{
    const uint32_t id = StoreMacro(kCustomise, 7, u"target");
    CDlgMacro& p = Page();
    ASSERT_EQ(Texts(p.MacroList()), std::vector<std::string>{"target"});
    EXPECT_EQ(Texts(p.EventList()), (std::vector<std::string>{"A", "A"}));

    // Hints for the controls under the pointer, also over the lists and the edits.
    Mouse(p.EventList()->viewport(), QEvent::MouseMove, QPoint(5, 5));
    ASSERT_FALSE(fixture.hints.empty());
    EXPECT_EQ(fixture.hints.back(), 88);
    Mouse(p.Field(MacroControl::LoopCount), QEvent::MouseMove, QPoint(5, 5));
    EXPECT_EQ(fixture.hints.back(), 48);
    Mouse(Button(MacroControl::Record), QEvent::MouseMove, QPoint(5, 5));
    EXPECT_EQ(fixture.hints.back(), 45);
    Mouse(Button(MacroControl::CategoryLabel), QEvent::MouseMove, QPoint(5, 5));
    EXPECT_EQ(fixture.hints.back(), 86);
    Click(Button(MacroControl::Record));
    EXPECT_EQ(Button(MacroControl::Record)->Caption(), QStringLiteral("Stop Record"));
    EXPECT_TRUE(p.EventList()->count() == 0);
    EXPECT_FALSE(Button(MacroControl::NewMacro)->isEnabled());
    EXPECT_FALSE(Button(MacroControl::Modify)->isEnabled());
    EXPECT_EQ(fixture.hooks.Target(), p.Handle());
    EXPECT_TRUE(fixture.hooks.KeyRecording());
    Mouse(Button(MacroControl::Record), QEvent::MouseMove, QPoint(6, 5));
    EXPECT_EQ(fixture.hints.back(), 46);

    fixture.clock.SetTick(1000);
    p.OnKeyEvent(kKeyA, 0);
    fixture.clock.SetTick(1060);
    p.OnKeyEvent(kKeyA, 0); // the key held down repeats its press
    fixture.clock.SetTick(1120);
    p.OnKeyEvent(kKeyA, kReleased);
    CGDIBitmapBtn* left = Button(MacroControl::LeftButton);
    fixture.clock.SetTick(1400);
    Mouse(left, QEvent::MouseButtonPress, QPoint(10, 10));
    fixture.clock.SetTick(1450);
    Mouse(left, QEvent::MouseButtonRelease, QPoint(10, 10));

    const std::vector<std::string> recorded = {"A",           "120  ms", "A",          "280  ms",
                                               "Left Button", "50  ms",  "Left Button"};
    EXPECT_EQ(Texts(p.EventList()), recorded);
    EXPECT_EQ(Kinds(p.EventList()), (std::vector<uint32_t>{3, 4, 2, 4, 3, 4, 2}));
    EXPECT_EQ(p.EventList()->currentRow(), 6);

    Click(Button(MacroControl::Record));
    EXPECT_EQ(Button(MacroControl::Record)->Caption(), QStringLiteral("Start Record"));
    EXPECT_TRUE(Button(MacroControl::NewMacro)->isEnabled());
    EXPECT_FALSE(fixture.hooks.KeyRecording());
    EXPECT_EQ(fixture.hooks.Target(), fixture.hooks.MainWindow());
    EXPECT_EQ(Texts(p.EventList()), recorded);
    const std::vector<MacroEvent> stored = {
        MakeMacroEvent(MacroEventKind::KeyDown, kKeyA), MakeMacroEvent(MacroEventKind::Delay, 120),
        MakeMacroEvent(MacroEventKind::KeyUp, kKeyA),   MakeMacroEvent(MacroEventKind::Delay, 280),
        MakeMacroEvent(MacroEventKind::KeyDown, 1),     MakeMacroEvent(MacroEventKind::Delay, 50),
        MakeMacroEvent(MacroEventKind::KeyUp, 1),
    };
    EXPECT_EQ(EventsOnDisk(id), stored);

    // Keys that arrive after the stop are not recorded.
    p.OnKeyEvent(0x42, 0);
    EXPECT_EQ(Texts(p.EventList()), recorded);
}

TEST_F(MacroPage, LeavingThePageStopsARecordingAndStoresIt)
{
    const uint32_t id = StoreMacro(kCustomise, 7, u"target");
    CDlgMacro& p = Page();
    Click(Button(MacroControl::NoDelay));
    Click(Button(MacroControl::Record));
    fixture.clock.SetTick(500);
    p.OnKeyEvent(0x42, 0);
    fixture.clock.SetTick(900);
    p.OnKeyEvent(0x42, kReleased);
    p.LeavePage();
    EXPECT_FALSE(p.Editor().Recording());
    EXPECT_EQ(Button(MacroControl::Record)->Caption(), QStringLiteral("Start Record"));
    EXPECT_FALSE(fixture.hooks.KeyRecording());
    // The no-delay option was checked: no pauses.
    EXPECT_EQ(EventsOnDisk(id),
              (std::vector<MacroEvent>{MakeMacroEvent(MacroEventKind::KeyDown, 0x42),
                                       MakeMacroEvent(MacroEventKind::KeyUp, 0x42)}));
}

TEST_F(MacroPage, HidingTheWindowSuspendsARecordingAndShowingItGoesOn)
{
    const uint32_t id = StoreMacro(kCustomise, 7, u"target");
    CDlgMacro& p = Page();
    Click(Button(MacroControl::NoDelay));
    Click(Button(MacroControl::Record));
    p.OnKeyEvent(0x42, 0);
    p.SuspendCapture();
    // The keys stop coming; the recording stays open and nothing is stored behind the user.
    EXPECT_TRUE(p.Editor().Recording());
    EXPECT_EQ(Button(MacroControl::Record)->Caption(), QStringLiteral("Stop Record"));
    EXPECT_FALSE(fixture.hooks.KeyRecording());
    EXPECT_EQ(EventsOnDisk(id),
              (std::vector<MacroEvent>{MakeMacroEvent(MacroEventKind::KeyDown, 0x41),
                                       MakeMacroEvent(MacroEventKind::KeyUp, 0x41)}));
    p.ResumeCapture();
    EXPECT_TRUE(fixture.hooks.KeyRecording());
    p.OnKeyEvent(0x42, kReleased);
    Click(Button(MacroControl::Record));
    EXPECT_EQ(EventsOnDisk(id),
              (std::vector<MacroEvent>{MakeMacroEvent(MacroEventKind::KeyDown, 0x42),
                                       MakeMacroEvent(MacroEventKind::KeyUp, 0x42)}));
}

TEST_F(MacroPage, RenameInPlaceWithEnterAndFocusLossAndABlankNameIsRefused)
{
    const uint32_t id = StoreMacro(kCustomise, 7, u"target");
    CDlgMacro& p = Page();
    CListBoxEx* list = p.MacroList();
    QListWidgetItem* item = list->item(0);
    const QPoint at = list->visualItemRect(item).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        Mouse(list->viewport(), type, at);
    }
    QLineEdit* editor = list->Editor();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    // Longer than the 20 characters a name may have.
    QTest::keyClicks(editor, QStringLiteral("Jump and crouch twice!"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(list->Editor(), nullptr);
    EXPECT_EQ(Texts(list), std::vector<std::string>{"Jump and crouch twic"});
    ASSERT_TRUE(OnDisk(id));
    EXPECT_EQ(MacroNameOf(*OnDisk(id)), u"Jump and crouch twic");

    // Focus loss keeps the text as Enter does.
    list->BeginEdit(0);
    list->Editor()->setText(QStringLiteral("Reload"));
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(list->Editor(), &out);
    EXPECT_EQ(Texts(list), std::vector<std::string>{"Reload"});
    EXPECT_EQ(MacroNameOf(*OnDisk(id)), u"Reload");

    // An empty or blank name would leave a line nobody can read: the macro keeps its name.
    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        list->BeginEdit(0);
        list->Editor()->setText(blank);
        QTest::keyClick(list->Editor(), Qt::Key_Return);
        EXPECT_EQ(Texts(list), std::vector<std::string>{"Reload"});
        EXPECT_EQ(MacroNameOf(*OnDisk(id)), u"Reload");
    }
}

TEST_F(MacroPage, NewMacroOpensTheRenameAndIsStoredOnlyWithItsFirstEvents)
{
    CDlgMacro& p = Page();
    fixture.clock.SetTick(0x123456);
    Click(Button(MacroControl::NewMacro));
    CListBoxEx* list = p.MacroList();
    ASSERT_EQ(Texts(list), std::vector<std::string>{"New Macro"});
    ASSERT_NE(list->Editor(), nullptr);
    QTest::keyClicks(list->Editor(), QStringLiteral("Combo"));
    QTest::keyClick(list->Editor(), Qt::Key_Return);
    const uint32_t id = MakeMacroId(kCustomise, 0x123456);
    EXPECT_EQ(list->ItemData(0), id);
    EXPECT_FALSE(OnDisk(id));

    Click(Button(MacroControl::Record));
    p.OnKeyEvent(0x43, 0);
    Click(Button(MacroControl::Record));
    ASSERT_TRUE(OnDisk(id));
    EXPECT_EQ(MacroNameOf(*OnDisk(id)), u"Combo");
    // One press alone is played once per press of the button.
    EXPECT_EQ(OnDisk(id)->loopCount, LoopSinglePress);
    EXPECT_EQ(p.Field(MacroControl::LoopCount)->text(), QStringLiteral("1"));
}

TEST_F(MacroPage, InsertAPauseUnderTheSelectedEventThroughTheDelayRow)
{
    const uint32_t id = StoreMacro(kCustomise, 7, u"target");
    CDlgMacro& p = Page();
    p.EventList()->setCurrentRow(1);
    Click(Button(MacroControl::Insert));
    EXPECT_TRUE(Button(MacroControl::KeyOption)->isVisible());
    EXPECT_TRUE(Button(MacroControl::DelayOption)->isVisible());
    EXPECT_FALSE(p.Field(MacroControl::DelayField)->isVisible());
    Click(Button(MacroControl::DelayOption));
    QLineEdit* delay = p.Field(MacroControl::DelayField);
    ASSERT_TRUE(delay->isVisible());
    EXPECT_TRUE(Button(MacroControl::DelayOption)->IsChecked());
    QTest::keyClicks(delay, QStringLiteral("5x0")); // digits only
    EXPECT_EQ(delay->text(), QStringLiteral("50"));
    Click(Button(MacroControl::DelayConfirm));

    EXPECT_EQ(Texts(p.EventList()), (std::vector<std::string>{"A", "50  ms", "A"}));
    EXPECT_FALSE(delay->isVisible());
    EXPECT_FALSE(Button(MacroControl::DelayConfirm)->isVisible());
    EXPECT_EQ(EventsOnDisk(id),
              (std::vector<MacroEvent>{MakeMacroEvent(MacroEventKind::KeyDown, kKeyA),
                                       MakeMacroEvent(MacroEventKind::Delay, 50),
                                       MakeMacroEvent(MacroEventKind::KeyUp, kKeyA)}));
}

TEST_F(MacroPage, ModifyAKeyWithTheNextKeyFromTheHook)
{
    const uint32_t id = StoreMacro(kCustomise, 7, u"target");
    CDlgMacro& p = Page();
    p.EventList()->setCurrentRow(0);
    Click(Button(MacroControl::Modify));
    QLineEdit* key = p.Field(MacroControl::KeyField);
    ASSERT_TRUE(key->isVisible());
    EXPECT_EQ(fixture.hooks.Target(), p.Handle());
    p.OnKeyEvent(0x5A, 0);
    EXPECT_EQ(key->text(), QStringLiteral("Z"));
    // The field shows names longer than the one character a user could type.
    Mouse(Button(MacroControl::RightButton), QEvent::MouseButtonPress, QPoint(5, 5));
    EXPECT_EQ(key->text(), QStringLiteral("Right Button"));
    Mouse(Button(MacroControl::RightButton), QEvent::MouseButtonRelease, QPoint(5, 5));
    Click(Button(MacroControl::KeyConfirm));
    EXPECT_EQ(Texts(p.EventList()), (std::vector<std::string>{"Right Button", "A"}));
    EXPECT_EQ(EventsOnDisk(id),
              (std::vector<MacroEvent>{MakeMacroEvent(MacroEventKind::KeyDown, 2),
                                       MakeMacroEvent(MacroEventKind::KeyUp, kKeyA)}));
    EXPECT_FALSE(fixture.hooks.KeyRecording());
}

TEST_F(MacroPage, LoopCountIsNormalisedEveryFourSecondsAndStored)
{
    struct Case {
        const char* typed;
        const char* shown;
        uint32_t stored;
    };
    const Case cases[] = {
        {"007", "7", 7}, {"0", "1", 1}, {"70000", "65533", 65533}, {"12", "12", 12}};
    const uint32_t id = StoreMacro(kCustomise, 7, u"target");
    CDlgMacro& p = Page();
    QLineEdit* loop = p.Field(MacroControl::LoopCount);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        loop->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(loop->text(), QString::fromLatin1(c.typed));
        fixture.timers.Advance(3999);
        EXPECT_EQ(loop->text(), QString::fromLatin1(c.typed)) << "before the 4 s";
        fixture.timers.Advance(1);
        EXPECT_EQ(loop->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(OnDisk(id)->loopCount, c.stored);
    }
    // Apply runs the normaliser once before the pass.
    loop->setText(QStringLiteral("0"));
    p.BeforeApply();
    EXPECT_EQ(loop->text(), QStringLiteral("1"));
}

TEST_F(MacroPage, DeletingAMacroInUseIsRefusedWithTheMessage)
{
    const uint32_t used = StoreMacro(kCustomise, 7, u"used");
    const uint32_t spare = StoreMacro(kCustomise, 8, u"spare");
    fixture.store.CurrentProfile().buttons[1].function = 6;
    fixture.store.CurrentProfile().buttons[1].macroId = used;
    CDlgMacro& p = Page();
    p.MacroList()->setCurrentRow(0);
    fixture.messages.shown.clear(); // the first store told that Macro.cfg was missing
    Click(Button(MacroControl::DeleteMacro));
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text, kMacroInUseText.english);
    EXPECT_EQ(Texts(p.MacroList()), (std::vector<std::string>{"used", "spare"}));
    EXPECT_TRUE(OnDisk(used));

    p.MacroList()->setCurrentRow(1);
    Click(Button(MacroControl::DeleteMacro));
    EXPECT_EQ(Texts(p.MacroList()), std::vector<std::string>{"used"});
    EXPECT_EQ(p.EventList()->count(), 0);
    EXPECT_FALSE(OnDisk(spare));
}

TEST_F(MacroPage, GameMenuChoiceStopsTheRecordingThenShowsTheTitle)
{
    const uint32_t user = StoreMacro(kCustomise, 7, u"mine");
    StoreMacro(1, 9, u"grenade");
    StoreMacro(14, 10, u"other title");
    CDlgMacro& p = Page();
    EXPECT_EQ(Button(MacroControl::GameButton)->Caption(), QStringLiteral("Customisze"));
    Click(Button(MacroControl::Record));
    p.OnKeyEvent(0x44, 0);

    Click(Button(MacroControl::GameButton));
    ASSERT_TRUE(HasMenuEx(&p));
    CWndPopup* popup = nullptr;
    for (CWndPopup* shown : p.findChildren<CWndPopup*>()) {
        if (shown->isVisible()) {
            popup = shown;
        }
    }
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->Items().size(), 21u);
    const QRect game = Button(MacroControl::GameButton)->rect();
    EXPECT_EQ(popup->pos(),
              Button(MacroControl::GameButton)->mapToGlobal(game.bottomLeft()) + QPoint(1, 2));
    // "Battlefield 3 " is the first item.
    const QPoint first(popup->width() / 2, 6 + 12);
    Mouse(popup, QEvent::MouseMove, first);
    Mouse(popup, QEvent::MouseButtonPress, first);
    Mouse(popup, QEvent::MouseButtonRelease, first);
    QCoreApplication::processEvents();

    EXPECT_FALSE(HasMenuEx(&p));
    EXPECT_EQ(Button(MacroControl::GameButton)->Caption(), QStringLiteral("Battlefield 3"));
    EXPECT_EQ(p.Editor().Category(), 1u);
    EXPECT_EQ(Texts(p.MacroList()), std::vector<std::string>{"grenade"});
    EXPECT_EQ(Texts(p.EventList()), (std::vector<std::string>{"A", "A"}));
    EXPECT_FALSE(p.Editor().Recording());
    EXPECT_EQ(Button(MacroControl::Record)->Caption(), QStringLiteral("Start Record"));
    // The recording went to the macro it was started for.
    EXPECT_EQ(EventsOnDisk(user),
              std::vector<MacroEvent>{MakeMacroEvent(MacroEventKind::KeyDown, 0x44)});

    // A click on the page's background closes an open menu.
    Click(Button(MacroControl::GameButton));
    ASSERT_TRUE(HasMenuEx(&p));
    Mouse(&p, QEvent::MouseButtonPress, QPoint(5, 440));
    EXPECT_FALSE(HasMenuEx(&p));
}

TEST_F(MacroPage, ALanguageChangeNamesEveryControlInTheNewLanguage)
{
    CDlgMacro& p = Page();
    // Russian: the language file's texts, and the built-in texts in English.
    fixture.language.HandleLanguageMessage(0, 10, true); // chosen in the flag menu
    p.RetranslateUi();
    const QString noDelay = ToQString(fixture.strings.Get("str_macro_delay"));
    ASSERT_FALSE(noDelay.isEmpty());
    EXPECT_EQ(Button(MacroControl::NoDelay)->Caption(), noDelay);
    EXPECT_EQ(Button(MacroControl::NewMacro)->toolTip(),
              ToQString(fixture.strings.Get("str_new_macro")));
    EXPECT_EQ(Button(MacroControl::Record)->Caption(), QStringLiteral("Start Record"));
    EXPECT_EQ(Button(MacroControl::GameButton)->Caption(), QStringLiteral("Customisze"));
    for (size_t i = 0; i < macropage::kControlCount; ++i) {
        const auto control = static_cast<MacroControl>(i);
        const QWidget* widget = Button(control);
        if (widget == nullptr) {
            widget = p.Field(control);
        }
        if (control == MacroControl::MacroList) {
            widget = p.MacroList();
        } else if (control == MacroControl::EventList) {
            widget = p.EventList();
        }
        ASSERT_NE(widget, nullptr) << i;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << "control " << i;
    }
}

} // namespace
} // namespace qx71::gui
