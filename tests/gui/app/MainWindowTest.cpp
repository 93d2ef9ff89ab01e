// The main window against the simulated mouse, offscreen, with the start-up's waits driven by
// a fake timer queue: hints, the keyboard filter, page switches, the language message.
#include "core/common/IQuestionSink.h"
#include "core/common/Utf.h"
#include "core/config/ConfigStore.h"
#include "core/device/CUSBDriver.h"
#include "core/focus/FocusRuleStore.h"
#include "core/focus/IFocusSource.h"
#include "core/focus/ProfileFollower.h"
#include "core/hooks/IHostLauncher.h"
#include "core/i18n/LanguageSelection.h"
#include "core/i18n/UiStrings.h"
#include "core/markup/SharedMarkupDocument.h"
#include "core/stats/StatsModel.h"
#include "core/update/IProcessStarter.h"
#include "gui/app/CProfileRuleMenu.h"
#include "gui/app/CQX710DriverDlg.h"
#include "gui/config/CDlgProgress.h"
#include "gui/update/CDlgSupport.h"
#include "gui/widgets/CDlgInfo.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/CIrrButton.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"
#include "gui/widgets/UiLanguage.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/sim/SimulatedDeviceMonitor.h"
#include "platform/sim/SimulatedNodeAccess.h"
#include "platform/sim/SimulatedQx71.h"
#include "support/FakeClock.h"
#include "support/FakeTimerQueue.h"
#include "support/NoHostServices.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedDownloader.h"
#include "support/TaskQueue.h"
#include "support/TempDir.h"
#include "support/UpdateFakes.h"
#include "support/gui/QtTestHelpers.h"

#include "core/app/DeviceNotices.h"
#include "core/app/MainWindowGeometry.h"
#include "core/app/StartupDirs.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

namespace qx71::gui {
namespace {

class AlwaysYes final : public IQuestionSink {
public:
    bool Ask(const std::u16string&) override { return true; }
};

// Counts the keys that reach it.
class KeySpy : public QWidget {
public:
    explicit KeySpy(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

// The desktop's focus as the test sets it.
class ScriptedFocus final : public IFocusSource {
public:
    void Start(Callbacks given) override
    {
        callbacks = std::move(given);
        callbacks.watch(FocusWatch::Watching);
    }
    void Stop() override { callbacks = {}; }
    Callbacks callbacks;
};

void WriteLanguageCfg(const std::filesystem::path& file, int32_t id)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&id), sizeof id);
}

int32_t ReadLanguageCfg(const std::filesystem::path& file)
{
    int32_t id = -1;
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(&id), sizeof id);
    return id;
}

using test::RunEvents;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        monitor = std::make_unique<SimulatedDeviceMonitor>(mouse, [](std::function<void()> task) {
            QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
        });
        language = std::make_unique<LanguageSelection>(files, startupMessages, markup, strings,
                                                       install, data);
        language->LoadStartupStrings();
        MainWindowServices services{clock,    files,     mouse,   *monitor,   nullptr,   nullptr,
                                    launcher, starter,   nullptr, downloader, markup,    timers,
                                    strings,  *language, install, data,       &messages, &questions,
                                    {},       false,     &focus};
        services.nodes = &nodes;
        services.accessFix = "sudo udevadm trigger";
        window = std::make_unique<CQX710DriverDlg>(std::move(services));
    }
    void TearDown() override
    {
        window.reset();
        SetChineseUiSource(nullptr);
    }
    // The start-up up to the shown window: steps 1 to 15 now, the rest after the waits.
    // The simulated mouse opens at the first try, so the window goes on without the update
    // search's waits.
    void Start()
    {
        window->Start();
        RunEvents();
        timers.RunDue();
        RunEvents();
        ASSERT_EQ(window->StartupState(), StartupSequence::Outcome::Started);
    }

    test::TempDir tmp;
    std::filesystem::path install = QX71_TEST_INSTALL_DIR_TEXT;
    std::filesystem::path data = tmp / "data";
    test::FakeClock clock;
    test::FakeTimerQueue timers;
    PosixFileSystem files;
    IconvTextCodec codec;
    SharedMarkupDocument markup{files, codec};
    UiStrings strings;
    test::RecordingMessageSink startupMessages;
    test::RecordingMessageSink messages;
    AlwaysYes questions;
    NoLauncher launcher;
    NoStarter starter;
    test::ScriptedDownloader downloader;
    SimulatedQx71 mouse{clock};
    SimulatedNodeAccess nodes{mouse};
    std::unique_ptr<SimulatedDeviceMonitor> monitor;
    std::unique_ptr<LanguageSelection> language;
    ScriptedFocus focus;
    std::unique_ptr<CQX710DriverDlg> window;
};

TEST_F(MainWindowTest, ShowsAtOnceWithTheSkinsSizeWhenTheMouseOpensAtTheFirstTry)
{
    window->Start();
    RunEvents();
    timers.RunDue();
    RunEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tolvi QX71 Gaming Mouse Driver"));
    EXPECT_EQ(window->size(), QSize(960, 650));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, AMouseNotFoundAtTheFirstTryIsLookedForAfterTheUpdateSearch)
{
    mouse.HideFromEnumerations(1);
    window->Start();
    RunEvents();
    timers.Advance(999);
    RunEvents();
    EXPECT_FALSE(window->isVisible());
    timers.Advance(1);
    RunEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->StartupState(), StartupSequence::Outcome::Started);
    EXPECT_TRUE(messages.shown.empty());
}

// The faces only a pointer or a press shows are cut once the window has painted: the language
// button's hover and pressed faces and a tab's hover face are then those of their sheets.
TEST_F(MainWindowTest, HoverAndPressedFacesFollowTheFirstPaint)
{
    Start();
    for (int i = 0; i < 5; ++i) {
        RunEvents();
    }
    auto face = [](QWidget& widget) { return test::Drawn(widget); };
    auto cut = [](const QPixmap& sheet, QWidget& widget) {
        return CutSheet(sheet, FromQRect(widget.geometry()))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    CGDIBitmapBtn& languageButton = *window->LanguageButton();
    ASSERT_NE(cut(LoadSkin(mainwindow::kSheetOver), languageButton),
              cut(LoadSkin(mainwindow::kSheetNormal), languageButton));
    const QRect inside = languageButton.rect().adjusted(2, 2, -2, -2);
    test::Mouse(&languageButton, QEvent::MouseMove, inside.center());
    EXPECT_EQ(face(languageButton), cut(LoadSkin(mainwindow::kSheetOver), languageButton));
    test::Mouse(&languageButton, QEvent::MouseButtonPress, inside.center());
    EXPECT_EQ(face(languageButton), cut(LoadSkin(mainwindow::kSheetDown), languageButton));
    test::Mouse(&languageButton, QEvent::MouseMove, {-50, -50}, Qt::NoButton, Qt::LeftButton);
    test::Mouse(&languageButton, QEvent::MouseButtonRelease, {-50, -50});

    CIrrButton& lighting = *window->TabButton(2);
    const QImage normal = face(lighting);
    test::Mouse(&lighting, QEvent::MouseMove, lighting.rect().center());
    ASSERT_TRUE(lighting.IsHovering());
    const QImage hovered = face(lighting);
    EXPECT_NE(hovered, normal);
    const QImage sheetFace =
        cut(LoadResourceBitmap(mainwindow::RegionSheetsFor(false).hover), lighting);
    const QPoint centre = lighting.rect().center();
    EXPECT_EQ(hovered.pixel(centre.x() - 20, centre.y()),
              sheetFace.pixel(centre.x() - 20, centre.y()));
}

TEST_F(MainWindowTest, HintOnePixelOutsideProfileButtonThree)
{
    Start();
    test::Mouse(window.get(), QEvent::MouseMove, {570, 607});
    RunEvents();
    EXPECT_EQ(window->Hint().Key(), "str_profile3");
    test::Mouse(window.get(), QEvent::MouseMove, {570, 605});
    RunEvents();
    EXPECT_TRUE(window->Hint().Empty());
}

TEST_F(MainWindowTest, EnterEscapeAndSpaceDoNothingAltF4EndsWithoutANotificationArea)
{
    Start();
    auto* spy = new KeySpy(window.get());
    spy->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space}) {
        QTest::keyClick(spy, key);
    }
    RunEvents();
    EXPECT_EQ(spy->keys, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->CurrentPage(), MainPage::Buttons);
    QTest::keyClick(spy, Qt::Key_A);
    EXPECT_EQ(spy->keys, 1) << "other keys reach the controls";

    // Alt+F4 hides as the hide button does; without a notification area (as here) nothing
    // could bring the window back, so the program ends as "Exit" does, and says so once.
    window->Stats().Count(0x201);
    QTest::keyClick(spy, Qt::Key_F4, Qt::AltModifier);
    RunEvents();
    EXPECT_TRUE(window->Closing());
    QTest::keyClick(spy, Qt::Key_F4, Qt::AltModifier);
    RunEvents();
    ASSERT_EQ(messages.shown.size(), 1u) << "told once";
    EXPECT_EQ(messages.shown[0].text, NoTrayText(false));
    timers.Advance(1000);
    RunEvents();
    std::ifstream in(data / "Sts.cfg", std::ios::binary);
    uint32_t leftClicks = 0;
    in.read(reinterpret_cast<char*>(&leftClicks), sizeof leftClicks);
    EXPECT_EQ(leftClicks, 1u) << "the statistics were saved as Exit saves them";
}

TEST_F(MainWindowTest, CtrlQEndsTheProgramFromATextFieldToo)
{
    Start();
    auto* field = new QLineEdit(window.get());
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Q);
    EXPECT_EQ(field->text(), QStringLiteral("q"));
    EXPECT_FALSE(window->Closing());
    QTest::keyClick(field, Qt::Key_Q, Qt::ControlModifier);
    RunEvents();
    EXPECT_TRUE(window->Closing());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, SessionEndSavesTheCounts)
{
    Start();
    window->Stats().Count(0x201);
    window->Stats().Count(0x201);
    window->SaveSessionData();
    std::ifstream in(data / "Sts.cfg", std::ios::binary);
    uint32_t leftClicks = 0;
    in.read(reinterpret_cast<char*>(&leftClicks), sizeof leftClicks);
    EXPECT_EQ(leftClicks, 2u);
}

TEST_F(MainWindowTest, ATextFieldKeepsSpaceEnterAndEscape)
{
    Start();
    auto* field = new QLineEdit(window.get());
    field->show();
    field->setFocus();
    int returns = 0;
    QObject::connect(field, &QLineEdit::returnPressed, [&returns] { ++returns; });
    QTest::keyClicks(field, "Fire 2");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(field->text(), QStringLiteral("Fire 2"));
    EXPECT_EQ(returns, 1);
}

TEST_F(MainWindowTest, MacroPageDisablesProfileButtonsAndApply)
{
    Start();
    auto clickTab = [&](int tab) {
        CIrrButton* button = window->TabButton(tab);
        // A point well inside every tab's polygon, in the button's own coordinates.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, 18));
        RunEvents();
    };
    clickTab(3);
    EXPECT_EQ(window->CurrentPage(), MainPage::Macros);
    EXPECT_TRUE(window->Page(MainPage::Macros)->isVisible());
    EXPECT_FALSE(window->Page(MainPage::Buttons)->isVisible());
    for (int n = 1; n <= 5; ++n) {
        EXPECT_FALSE(window->ProfileButton(n)->isEnabled()) << n;
    }
    EXPECT_FALSE(window->ApplyButton()->isEnabled());
    clickTab(1);
    EXPECT_EQ(window->CurrentPage(), MainPage::Buttons);
    for (int n = 1; n <= 5; ++n) {
        EXPECT_TRUE(window->ProfileButton(n)->isEnabled()) << n;
    }
    EXPECT_TRUE(window->ApplyButton()->isEnabled());
    EXPECT_TRUE(window->TabButton(1)->IsSelected());
    EXPECT_FALSE(window->TabButton(3)->IsSelected());
}

// Macro.cfg that cannot be read (a folder in its place, which root cannot read either): Apply
// says so naming the file and sends nothing, as qx71ctl apply refuses.
TEST_F(MainWindowTest, ApplyIsRefusedWhileMacroCfgCannotBeRead)
{
    SeedDataDir(files, install, data);
    std::filesystem::remove(data / "Macro.cfg");
    std::filesystem::create_directory(data / "Macro.cfg");
    Start();
    messages.shown.clear();
    const auto before = mouse.GetState();
    CIrrButton* apply = window->ApplyButton();
    QTest::mouseClick(apply, Qt::LeftButton, {}, apply->rect().center());
    RunEvents();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Utf16ToUtf8(messages.shown[0].text),
              (data / "Macro.cfg").string() +
                  " cannot be read, so the macro buttons cannot be sent; nothing was sent.");
    EXPECT_EQ(mouse.GetState().reportRate, before.reportRate);
    EXPECT_EQ(mouse.GetState().ledEffect, before.ledEffect);
    EXPECT_FALSE(apply->IsSelected());
}

// A first start whose settings files cannot be written (a file where the Profile folder goes)
// says so, naming the folder and the files, before the window reads them.
TEST_F(MainWindowTest, AFailedSeedingIsToldNamingTheFiles)
{
    std::filesystem::create_directories(data);
    test::WriteText(data / "Profile", "not a folder");
    window->Start();
    RunEvents();
    timers.RunDue();
    RunEvents();
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown[0].kind, MessageKind::SystemBox);
    const std::string text = Utf16ToUtf8(messages.shown[0].text);
    EXPECT_EQ(text.rfind("The settings folder " + data.string() +
                             " could not be filled: Profile/ConfigInfo.cfg (its folder could "
                             "not be made), Profile/Profile1.cfg (its folder could not be made)",
                         0),
              0u)
        << text;
    EXPECT_TRUE(std::filesystem::exists(data / "Macro.cfg"));
}

TEST_F(MainWindowTest, LanguageCfgHoldingZeroIsIgnoredAndNotRewritten)
{
    SeedDataDir(files, install, data);
    WriteLanguageCfg(data / "Language.cfg", 0);
    Start();
    EXPECT_FALSE(ChineseUi());
    EXPECT_EQ(language->FlagShown(), kLanguageEnglish) << "the installer's language stays";
    EXPECT_EQ(ReadLanguageCfg(data / "Language.cfg"), 0);
}

TEST_F(MainWindowTest, LanguageCfgHoldingThirteenLoadsNothingAndIsWrittenBack)
{
    SeedDataDir(files, install, data);
    WriteLanguageCfg(data / "Language.cfg", 13);
    Start();
    EXPECT_FALSE(ChineseUi());
    EXPECT_EQ(language->FlagShown(), kLanguageEnglish) << "the flag stays";
    EXPECT_EQ(ReadLanguageCfg(data / "Language.cfg"), 13);
}

TEST_F(MainWindowTest, TraditionalChineseTakesTheEnglishBuiltInTexts)
{
    Start();
    const std::u16string englishTab = strings.Get("str_main");
    window->OpenLanguageMenu();
    ASSERT_TRUE(window->LanguageMenuOpen());
    window->OnLanguageMessage(0, kLanguageTraditionalChinese);
    RunEvents();
    RunEvents();
    EXPECT_FALSE(ChineseUi());
    EXPECT_EQ(language->FlagShown(), kLanguageTraditionalChinese);
    EXPECT_FALSE(strings.Get("str_main").empty());
    EXPECT_NE(strings.Get("str_main"), englishTab) << "tw.xml is loaded";
    EXPECT_EQ(window->TabButton(1)->toolTip().toStdU16String(), strings.Get("str_main"));
    EXPECT_EQ(ReadLanguageCfg(data / "Language.cfg"), kLanguageTraditionalChinese);
    EXPECT_FALSE(window->LanguageMenuOpen()) << "the menu closes";
}

TEST_F(MainWindowTest, LanguageMessageWithoutAnOpenMenuIsIgnored)
{
    Start();
    const int32_t stored = ReadLanguageCfg(data / "Language.cfg");
    const std::u16string before = strings.Get("str_main");
    window->OnLanguageMessage(0, kLanguageSimplifiedChinese);
    RunEvents();
    EXPECT_FALSE(ChineseUi());
    EXPECT_EQ(strings.Get("str_main"), before);
    EXPECT_EQ(ReadLanguageCfg(data / "Language.cfg"), stored);
}

TEST_F(MainWindowTest, AMouseThatIsPluggedInButMayNotBeOpenedIsToldWithTheFix)
{
    mouse.SetVendorAccessDenied(true);
    window->Start();
    RunEvents();
    timers.Advance(1000 + 10 * 500);
    RunEvents();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              u"The QX71 gaming mouse is plugged in, but this user may not open it (permission "
              u"denied).\nRun this command, then start the program again:\nsudo udevadm trigger");
    EXPECT_EQ(messages.shown[0].kind, MessageKind::InfoBox) << "the fix stays until it was read";
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, WithoutALinkToTheMouseApplyAndRestoreDefaultsSayWhy)
{
    mouse.SetInitFails(true);
    window->Start();
    RunEvents();
    timers.RunDue();
    RunEvents();
    ASSERT_EQ(window->StartupState(), StartupSequence::Outcome::WithoutDevice);
    ASSERT_TRUE(window->isVisible());
    window->SelectPage(MainPage::Support);
    auto* support = dynamic_cast<CDlgSupport*>(window->Page(MainPage::Support));
    ASSERT_NE(support, nullptr);
    const std::u16string notFound = DeviceNoticeText(DeviceNotice::NotFound, false);
    QTest::mouseClick(support->Button(support::Control::Defaults), Qt::LeftButton);
    RunEvents();
    ASSERT_EQ(messages.shown.size(), 1u) << "the confirmation is followed by the reason";
    EXPECT_EQ(messages.shown[0].text, notFound);
    window->SelectPage(MainPage::Buttons);
    QTest::mouseClick(window->ApplyButton(), Qt::LeftButton);
    RunEvents();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, notFound);
}

TEST_F(MainWindowTest, MouseNotFoundReportsAndClosesWithoutShowing)
{
    mouse.Unplug();
    bool closed = false;
    QObject::connect(window.get(), &CQX710DriverDlg::closed, [&] { closed = true; });
    window->Start();
    RunEvents();
    timers.Advance(1000 + 10 * 500);
    RunEvents();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"The QX71 gaming mouse cannot be found.");
    EXPECT_EQ(messages.shown[0].kind, MessageKind::CountDownBox);
    EXPECT_FALSE(window->isVisible());
    timers.Advance(500);
    EXPECT_TRUE(closed);
}

TEST_F(MainWindowTest, UnpluggedWhileIdleSaysSoAndCloses)
{
    Start();
    bool closed = false;
    QObject::connect(window.get(), &CQX710DriverDlg::closed, [&] { closed = true; });
    monitor->Unplug();
    RunEvents();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, u"The QX71 gaming mouse cannot be found.");
    EXPECT_TRUE(window->Closing());
    timers.Advance(500);
    EXPECT_TRUE(closed);
}

// A box a page opened runs its own event loop with the page's code below it on the stack; a
// close that comes meanwhile (an unplugged mouse, the tray's "Exit") must not delete the page
// under it.
TEST_F(MainWindowTest, APageIsDeletedOnlyAfterTheCodeBelowTheCloseReturned)
{
    Start();
    QPointer<CMainPage> page = window->findChild<CMainPage*>();
    ASSERT_FALSE(page.isNull());
    QEventLoop box;
    QTimer::singleShot(0, window.get(), [&] {
        window->RequestClose();
        box.quit();
    });
    box.exec();
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(page->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(page.isNull());
}

TEST_F(MainWindowTest, SupportPageHandsOverToTheFlashingToolAndTheWindowCloses)
{
    const std::string server = "http://updates.test";
    downloader.SetReply(server + "/software/qx71/update.xml",
                        {DownloadError::None, "<update><firmware><current>14</current><newfile>" +
                                                  server +
                                                  "/fw.bin</newfile></firmware></update>"});
    downloader.SetReply(server + "/fw.bin", {DownloadError::None, "image"});
    test::FakeProcessStarter flasher;
    MainWindowServices services{clock,    files,     mouse,   *monitor,   nullptr,   nullptr,
                                launcher, flasher,   nullptr, downloader, markup,    timers,
                                strings,  *language, install, data,       &messages, &questions};
    services.updateServer = server;
    window = std::make_unique<CQX710DriverDlg>(std::move(services));
    bool closed = false;
    QObject::connect(window.get(), &CQX710DriverDlg::closed, [&] { closed = true; });
    Start();
    window->SelectPage(MainPage::Support);
    auto* support = dynamic_cast<CDlgSupport*>(window->Page(MainPage::Support));
    ASSERT_NE(support, nullptr);
    // The window does not wait for the mouse's answer to the version query; the simulated
    // mouse reports firmware 13 once its reply is taken.
    EXPECT_EQ(support->FirmwareVersionShown(), "Unknown");
    timers.Advance(DevicePacing::kQueryToReply);
    EXPECT_EQ(support->FirmwareVersionShown(), "V 0.1.3");

    QTest::mouseClick(support->Button(support::Control::Update), Qt::LeftButton);
    const int timeoutMs = static_cast<int>(std::chrono::milliseconds(test::kEventTimeout).count());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !support->OpenUpdateBoxes().empty(); }, timeoutMs));
    QTest::mouseClick(support->OpenUpdateBoxes().front()->OkButton(), Qt::LeftButton);
    // The download, the tool's start and the window's close follow; the close destroys the
    // page that asked for it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Closing(); }, timeoutMs));
    EXPECT_EQ(window->Page(MainPage::Support), nullptr);
    ASSERT_EQ(flasher.calls.size(), 1u);
    EXPECT_EQ(flasher.calls[0].program, install / "FWUpdate" / "BuringFW");
    EXPECT_EQ(flasher.calls[0].arguments, std::vector<std::string>{"0"});
    // The image went under DataDir, the build's InstallDir being taken as not writable.
    EXPECT_EQ(downloader.Calls().back().destination,
              data / "FWUpdate" / "new_version" / "TolviGameDevice.bin");
    timers.Advance(500);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace qx71::gui

namespace qx71::gui {
namespace {

// The window's side of the profiles that follow the focus: the rule menu of a profile button
// adds a rule for a program that had the focus, and the follower's pass shows on the buttons.
TEST_F(MainWindowTest, ARuleMadeInAProfileMenuSwitchesWhenItsProgramHasTheFocus)
{
    Start();
    const FocusedWindow game{"sauerbraten", "Sauerbraten", "sauer_client", false};
    focus.callbacks.focused(game);
    timers.Advance(kFocusRestMs);
    RunEvents();

    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {20, 10}, {20, 10});
    QApplication::sendEvent(window->ProfileButton(3), &rightClick);
    CProfileRuleMenu* menu = window->RuleMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->IsOpen());
    ASSERT_EQ(menu->Lines().size(), 1u);
    EXPECT_EQ(menu->Lines()[0].text, u"Use while Sauerbraten is active");
    EXPECT_FALSE(menu->Lines()[0].checked);
    window->ChooseRuleLine(0);
    EXPECT_FALSE(menu->IsOpen());
    FocusRuleStore stored(files, data);
    ASSERT_EQ(stored.Load(), RulesResult::Done);
    EXPECT_EQ(stored.Rules(), (FocusRules{{RuleMatch::Class, "Sauerbraten", 3}}));

    // The focus comes back to the game: profile 3 is written without the progress dialog.
    focus.callbacks.focused({"xterm", "XTerm", "xterm", false});
    timers.Advance(kFocusRestMs);
    focus.callbacks.focused(game);
    timers.Advance(kFocusRestMs);
    const int timeoutMs = 10000;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->Follower()->ChosenBy().has_value(); }, timeoutMs));
    EXPECT_EQ(window->Store().CurrentSlot(), 2u);
    EXPECT_TRUE(window->RuleMarkShown(3));
    EXPECT_FALSE(window->RuleMarkShown(1));
    EXPECT_EQ(window->ProfileButton(3)->toolTip().toStdString(), "Rule: Sauerbraten is active");
    EXPECT_FALSE(window->Progress()->isVisible());
    EXPECT_TRUE(messages.shown.empty());

    // Its menu now shows the rule checked; choosing it removes the rule.
    QApplication::sendEvent(window->ProfileButton(3), &rightClick);
    ASSERT_TRUE(window->RuleMenu()->Lines()[0].checked);
    window->ChooseRuleLine(0);
    ASSERT_EQ(stored.Load(), RulesResult::Done);
    EXPECT_TRUE(stored.Rules().empty());
}

} // namespace
} // namespace qx71::gui
