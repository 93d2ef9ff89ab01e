// The support page offscreen, over a page context of its own: the versions, the hints, the
// web site, import and export through the file dialog, the defaults question, and the update
// check from the button to the flashing tool.
#include "core/update/SupportPage.h"
#include "core/config/ProfileRecord.h"
#include "core/update/FirmwareUpdate.h"
#include "core/update/SupportPageGeometry.h"
#include "gui/update/CDlgSupport.h"
#include "gui/widgets/CDlgInfo.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "support/TaskQueue.h"
#include "support/gui/PageContextFixture.h"
#include "support/gui/QtTestHelpers.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>

namespace qx71::gui {
namespace {

namespace sp = support;
using test::PageContextFixture;
using test::WhenModal;

constexpr const char* kServer = "http://updates.test";
constexpr const char* kDescriptionAddress = "http://updates.test/software/qx71/update.xml";
constexpr const char* kImageAddress = "http://updates.test/fw/qx71-14.bin";

std::string Description(const std::string& current)
{
    return "<update><firmware><current>" + current + "</current><newfile>" + kImageAddress +
           "</newfile></firmware></update>";
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void Click(QWidget* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// Takes the address the desktop would have opened.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public Q_SLOTS:
    void Open(const QUrl& url) { opened.push_back(url); }
};

class SupportPageTest : public ::testing::Test {
protected:
    SupportPageTest() : fixture(install.path()) {}

    CDlgSupport& Page()
    {
        if (!page) {
            page = std::make_unique<CDlgSupport>(fixture.Context(), &window);
        }
        return *page;
    }
    CGDIBitmapBtn* Button(sp::Control control) { return Page().Button(control); }

    // The update thread answers through the page's event queue.
    bool WaitFor(const std::function<bool()>& done)
    {
        return QTest::qWaitFor(
            done, static_cast<int>(std::chrono::milliseconds(test::kEventTimeout).count()));
    }

    void TearDown() override
    {
        page.reset();
        // Boxes the page closed are deleted by the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    test::TempDir install;
    PageContextFixture fixture;
    QWidget window; // the main window's place: the page's parent
    std::unique_ptr<CDlgSupport> page;
};

TEST_F(SupportPageTest, ShowsTheProgramAndTheFirmwareVersion)
{
    const struct {
        std::u16string text;
        QString shown;
    } cases[] = {
        {u"7", "V 0.0.7"},
        {u"13", "V 0.1.3"},
        {u"", "Unknown"},
    };
    const QRect firmwareWell = ToQRect(sp::kFirmwareVersionWell);
    const QColor textColour = ToQColor(sp::kVersionText);
    for (const auto& c : cases) {
        Page().SetFirmwareVersionText(c.text);
        EXPECT_EQ(Page().FirmwareVersionShown(), c.shown);
        EXPECT_EQ(Page().ProgramVersionShown(), "V1.0.4");
        // Both texts are drawn in their colour inside their wells.
        const QImage drawn = test::Drawn(Page());
        EXPECT_GT(test::CountNear(drawn, ToQRect(sp::kProgramVersionWell), textColour, 12), 10);
        EXPECT_GT(test::CountNear(drawn, firmwareWell, textColour, 12), 10);
    }
    // "Unknown" is wider than "V 0.0.7": the drawing follows the text.
    Page().SetFirmwareVersionText(u"7");
    const int shortText = test::CountNear(test::Drawn(Page()), firmwareWell, textColour, 60);
    Page().SetFirmwareVersionText(u"");
    const int longText = test::CountNear(test::Drawn(Page()), firmwareWell, textColour, 60);
    EXPECT_GT(longText, shortText);
}

TEST_F(SupportPageTest, VersionAreasAreCaptionedAndShowChecked)
{
    for (sp::Control area : {sp::Control::ProgramVersion, sp::Control::FirmwareVersion}) {
        CGDIBitmapBtn* button = Button(area);
        EXPECT_TRUE(button->IsChecked());
        Click(button);
        EXPECT_TRUE(button->IsChecked());
    }
    EXPECT_EQ(Button(sp::Control::ProgramVersion)->Caption(),
              ToQString(fixture.strings.Get("str_driver_version")));
    EXPECT_EQ(Button(sp::Control::Update)->toolTip(), ToQString(fixture.strings.Get("str_update")));
}

TEST_F(SupportPageTest, MovesOverThePageAndItsButtonsShowTheHints)
{
    // The update button's 1-pixel border lies on the page itself.
    const Rect update = sp::Spec(sp::Control::Update).rect;
    test::Mouse(&Page(), QEvent::MouseMove, QPoint(update.left - 1, update.top - 1));
    EXPECT_EQ(fixture.hints, std::vector<int>{56});
    fixture.hints.clear();
    CGDIBitmapBtn* importButton = Button(sp::Control::Import);
    test::Mouse(importButton, QEvent::MouseMove, QPoint(5, 5));
    EXPECT_EQ(fixture.hints, std::vector<int>{58});
    fixture.hints.clear();
    test::Mouse(&Page(), QEvent::MouseMove, QPoint(10, 10));
    EXPECT_TRUE(fixture.hints.empty());
}

TEST_F(SupportPageTest, WebSiteButtonOpensTheAddressOrIsDisabledWithoutOne)
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("https", &recorder, "Open");
    Page().SetWebSite("");
    EXPECT_FALSE(Button(sp::Control::WebSite)->isEnabled());
    Click(Button(sp::Control::WebSite));
    EXPECT_TRUE(recorder.opened.empty());
    // Its hint still shows.
    test::Mouse(Button(sp::Control::WebSite), QEvent::MouseMove, QPoint(5, 5));
    EXPECT_EQ(fixture.hints, std::vector<int>{57});

    Page().SetWebSite("https://www.example.com/qx71");
    EXPECT_TRUE(Button(sp::Control::WebSite)->isEnabled());
    Click(Button(sp::Control::WebSite));
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(recorder.opened.size(), 1u);
    EXPECT_EQ(recorder.opened[0], QUrl("https://www.example.com/qx71"));
}

TEST_F(SupportPageTest, DefaultsAreRestoredOnlyWhenTheQuestionIsAnsweredOk)
{
    fixture.questions.answer = false;
    Click(Button(sp::Control::Defaults));
    EXPECT_EQ(fixture.defaultsRestored, 0);
    fixture.questions.answer = true;
    Click(Button(sp::Control::Defaults));
    EXPECT_EQ(fixture.defaultsRestored, 1);
    const std::vector<std::u16string> asked(2, u"Do you want to restore the default setting?");
    EXPECT_EQ(fixture.questions.asked, asked);
}

// Answers the page's next file dialog with `file` (cancels it when empty), after checking
// that it offers the profile files.
void AnswerFileDialog(const std::filesystem::path& file, QFileDialog::AcceptMode mode)
{
    WhenModal<QFileDialog>([file, mode](QFileDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), mode);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"CFG Files(*.cfg)"});
        EXPECT_EQ(dialog->defaultSuffix(), "cfg");
        if (file.empty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(QString::fromStdString(file.string()));
        static_cast<QDialog*>(dialog)->accept();
    });
}

TEST_F(SupportPageTest, ImportTakesAFileWithTheProfileMarkAndSaysSo)
{
    const std::vector<uint8_t> magic{0x05, 0x02, 0x80, 0x80};
    std::vector<uint8_t> oversized = magic;
    oversized.resize(kProfileRecordSize + 100, 0x11);
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* message;
    } cases[] = {
        {"four.cfg", magic, " import success!"},
        {"long.cfg", oversized, " import success!"},
        {"other.cfg", {0x05, 0x02, 0x80, 0x81}, " is an invaild Profile!"},
    };
    int pagesRefreshed = 0;
    fixture.Context().profileImported = [&] { ++pagesRefreshed; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path file = fixture.tmp / c.name;
        WriteBytes(file, c.bytes);
        fixture.messages.shown.clear();
        AnswerFileDialog(file, QFileDialog::AcceptOpen);
        Click(Button(sp::Control::Import));
        ASSERT_EQ(fixture.messages.shown.size(), 1u);
        EXPECT_EQ(fixture.messages.shown[0].kind, MessageKind::SystemBox);
        EXPECT_EQ(fixture.messages.shown[0].caption, u"Info");
        EXPECT_EQ(ToQString(fixture.messages.shown[0].text),
                  QString::fromStdString(file.string()) + c.message);
    }
    // The long file's record is current: its tail is cut at the record's size.
    const ProfileBytes current = ProfileToBytes(fixture.store.CurrentProfile());
    EXPECT_EQ(current[4], 0x11);
    EXPECT_EQ(current.back(), 0x11);
    // The two accepted files were shown on the pages; nothing was applied.
    EXPECT_EQ(pagesRefreshed, 2);
    EXPECT_EQ(fixture.defaultsRestored, 0);
}

TEST_F(SupportPageTest, ImportOfFourBytesLeavesTheRestOfTheRecordZero)
{
    const std::filesystem::path file = fixture.tmp / "four.cfg";
    WriteBytes(file, {0x05, 0x02, 0x80, 0x80});
    AnswerFileDialog(file, QFileDialog::AcceptOpen);
    Click(Button(sp::Control::Import));
    const ProfileBytes current = ProfileToBytes(fixture.store.CurrentProfile());
    EXPECT_EQ(std::vector<uint8_t>(current.begin(), current.begin() + 4),
              (std::vector<uint8_t>{0x05, 0x02, 0x80, 0x80}));
    EXPECT_TRUE(std::all_of(current.begin() + 4, current.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(SupportPageTest, ExportWritesTheCurrentProfileAndCancelDoesNothing)
{
    AnswerFileDialog({}, QFileDialog::AcceptSave);
    Click(Button(sp::Control::Export));
    EXPECT_TRUE(fixture.messages.shown.empty());

    const std::filesystem::path file = fixture.tmp / "mine.cfg";
    AnswerFileDialog(file, QFileDialog::AcceptSave);
    Click(Button(sp::Control::Export));
    const ProfileBytes current = ProfileToBytes(fixture.store.CurrentProfile());
    EXPECT_EQ(ReadBytes(file), std::vector<uint8_t>(current.begin(), current.end()));
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(ToQString(fixture.messages.shown[0].text),
              QString::fromStdString(file.string()) + " export success!");

    // A folder that is gone: the export says it failed.
    fixture.messages.shown.clear();
    const std::filesystem::path gone = fixture.tmp / "gone" / "mine.cfg";
    std::filesystem::create_directories(gone.parent_path());
    WhenModal<QFileDialog>([gone](QFileDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(gone.string()));
        std::filesystem::remove_all(gone.parent_path());
        static_cast<QDialog*>(dialog)->accept();
    });
    Click(Button(sp::Control::Export));
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(ToQString(fixture.messages.shown[0].text),
              QString::fromStdString(gone.string()) + " export failed!");
}

TEST_F(SupportPageTest, LocalOfferHandsOverAndClosesOnlyAfterThePagesClickReturned)
{
    const std::filesystem::path offered = install.path() / "FWUpdate" / "new_version";
    std::filesystem::create_directories(offered);
    test::WriteText(offered / "update.xml", Description("14"));
    test::WriteText(offered / "TolviGameDevice.bin", "image");
    fixture.starter.starts = true;
    // The window's close destroys the pages.
    fixture.Context().closeWindow = [this] {
        ++fixture.closed;
        page.reset();
    };
    Page().SetFirmwareVersionText(u"13");
    Click(Button(sp::Control::Update));
    const std::vector<std::u16string> asked{
        u"A new version of firmware is available for the gaming mouse, whether to update or "
        u"not?"};
    EXPECT_EQ(fixture.questions.asked, asked);
    ASSERT_EQ(fixture.starter.calls.size(), 1u);
    EXPECT_EQ(fixture.starter.calls[0].arguments, std::vector<std::string>{"0"});
    // Still there when the click has returned; closed from the window's queue.
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(fixture.closed, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(fixture.closed, 1);
    EXPECT_EQ(page, nullptr);
    EXPECT_TRUE(fixture.downloader.Calls().empty());
}

TEST_F(SupportPageTest, FlashingToolThatCannotStartIsReportedAndNothingCloses)
{
    const std::filesystem::path offered = install.path() / "FWUpdate" / "new_version";
    std::filesystem::create_directories(offered);
    test::WriteText(offered / "update.xml", Description("14"));
    test::WriteText(offered / "TolviGameDevice.bin", "image");
    Page().SetFirmwareVersionText(u"13");
    Click(Button(sp::Control::Update));
    QCoreApplication::processEvents();
    ASSERT_EQ(fixture.starter.calls.size(), 1u);
    EXPECT_EQ(fixture.closed, 0);
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(ToQString(fixture.messages.shown[0].text),
              "The firmware update tool " +
                  QString::fromStdString((install.path() / "FWUpdate" / "BuringFW").string()) +
                  " cannot be started.");
}

class SupportUpdateTest : public SupportPageTest {
protected:
    void SetUp() override
    {
        fixture.Context().updateServer = kServer;
        fixture.downloader.SetReply(kDescriptionAddress, {DownloadError::None, Description("14")});
        fixture.downloader.SetReply(kImageAddress, {DownloadError::None, "image"});
        Page().SetFirmwareVersionText(u"13");
        Page().StartUpdateCheck();
    }
    CDlgInfo* OpenBox()
    {
        const std::vector<CDlgInfo*> boxes = Page().OpenUpdateBoxes();
        return boxes.empty() ? nullptr : boxes.back();
    }
};

TEST_F(SupportUpdateTest, NewerOnlineFirmwareIsAskedForDownloadedAndHandedOver)
{
    fixture.starter.starts = true;
    Click(Button(sp::Control::Update));
    // The check timer runs through the window's timers, for 2 seconds.
    EXPECT_EQ(fixture.timers.PendingCount(), 1u);

    ASSERT_TRUE(WaitFor([&] { return OpenBox() != nullptr; }));
    CDlgInfo* question = OpenBox();
    // The thread's question is owned by no window and leaves the window usable.
    EXPECT_EQ(question->parentWidget(), nullptr);
    EXPECT_FALSE(question->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_NE(question->CancelButton(), nullptr);
    // The thread's answer killed the check timer.
    EXPECT_EQ(fixture.timers.PendingCount(), 0u);
    EXPECT_TRUE(fixture.starter.calls.empty());

    fixture.Context().closeWindow = [this] {
        ++fixture.closed;
        page.reset();
    };
    Click(question->OkButton());
    ASSERT_TRUE(WaitFor([&] { return fixture.closed > 0; }));
    EXPECT_EQ(page, nullptr);
    const std::vector<test::ScriptedDownloader::Call> calls = fixture.downloader.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].address, kImageAddress);
    EXPECT_EQ(ReadBytes(calls[1].destination), (std::vector<uint8_t>{'i', 'm', 'a', 'g', 'e'}));
    ASSERT_EQ(fixture.starter.calls.size(), 1u);
    EXPECT_EQ(fixture.starter.calls[0].program, install.path() / "FWUpdate" / "BuringFW");
    EXPECT_EQ(fixture.starter.calls[0].arguments, std::vector<std::string>{"0"});
    EXPECT_EQ(fixture.closed, 1);
    EXPECT_TRUE(fixture.messages.shown.empty());
}

TEST_F(SupportUpdateTest, DeclinedOnlineFirmwareDownloadsNothing)
{
    Click(Button(sp::Control::Update));
    ASSERT_TRUE(WaitFor([&] { return OpenBox() != nullptr; }));
    EXPECT_EQ(OpenBox()->Text(), "A new version of firmware is available for the gaming mouse, "
                                 "whether to update or not?");
    Click(OpenBox()->CancelButton());
    ASSERT_TRUE(WaitFor([&] { return Page().UpdateModel().UpdateCheckArmed(); }));
    EXPECT_EQ(fixture.downloader.Calls().size(), 1u);
    EXPECT_TRUE(fixture.starter.calls.empty());
    EXPECT_EQ(fixture.closed, 0);

    // The next press asks the server again; an offer that is not newer gets the thread's
    // latest-version box.
    fixture.downloader.SetReply(kDescriptionAddress, {DownloadError::None, Description("13")});
    Click(Button(sp::Control::Update));
    ASSERT_TRUE(WaitFor([&] { return OpenBox() != nullptr; }));
    EXPECT_EQ(OpenBox()->Text(), "Firmware is the latest version.");
    EXPECT_EQ(OpenBox()->CancelButton(), nullptr);
    EXPECT_EQ(fixture.downloader.Calls().size(), 2u);
    EXPECT_TRUE(fixture.messages.shown.empty());
}

TEST_F(SupportUpdateTest, SlowServerIsToldAsNotCheckedAfterTwoSecondsAndIsDropped)
{
    fixture.downloader.HoldNext();
    Click(Button(sp::Control::Update));
    ASSERT_TRUE(fixture.downloader.WaitHeld());
    fixture.timers.Advance(1999);
    EXPECT_TRUE(fixture.messages.shown.empty());
    fixture.timers.Advance(1);
    ASSERT_EQ(fixture.messages.shown.size(), 1u);
    EXPECT_EQ(fixture.messages.shown[0].text,
              u"Could not check online for new firmware: the update server did not answer in "
              u"time.");

    // The late answer (an offer of 14) never reaches the user.
    fixture.downloader.Release();
    Page().StopUpdateCheck();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Page().OpenUpdateBoxes().empty());
    EXPECT_EQ(fixture.messages.shown.size(), 1u);
}

TEST_F(SupportUpdateTest, StopWhileADownloadHangsEndsTheThreadWithoutAWord)
{
    fixture.downloader.HoldNext();
    Click(Button(sp::Control::Update));
    ASSERT_TRUE(fixture.downloader.WaitHeld());
    // The download is never released: only the abort can end it.
    Page().StopUpdateCheck();
    QCoreApplication::processEvents();
    EXPECT_EQ(fixture.timers.PendingCount(), 0u);
    EXPECT_TRUE(Page().OpenUpdateBoxes().empty());
    EXPECT_TRUE(fixture.messages.shown.empty());
    EXPECT_EQ(fixture.closed, 0);
}

TEST_F(SupportUpdateTest, StopWithTheThreadsQuestionOpenClosesIt)
{
    Click(Button(sp::Control::Update));
    ASSERT_TRUE(WaitFor([&] { return OpenBox() != nullptr; }));
    Page().StopUpdateCheck();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Page().OpenUpdateBoxes().empty());
    EXPECT_EQ(fixture.downloader.Calls().size(), 1u);
    EXPECT_TRUE(fixture.starter.calls.empty());
}

} // namespace
} // namespace qx71::gui

#include "SupportPageTest.moc"
