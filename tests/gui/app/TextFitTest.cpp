// Every text of the main window, its five pages and the function chooser's four pages, in each
// of the twelve languages, measured against the control that draws it: nothing cut, shrunk
// below legibility, out of its box or over another text. A failure names the language, the
// control and the text.
#include "support/gui/TextFit.h"
#include "core/common/IQuestionSink.h"
#include "core/hooks/IHostLauncher.h"
#include "core/i18n/LanguageSelection.h"
#include "core/i18n/LanguageTable.h"
#include "core/i18n/UiStrings.h"
#include "core/markup/SharedMarkupDocument.h"
#include "core/update/IProcessStarter.h"
#include "gui/app/CQX710DriverDlg.h"
#include "gui/buttons/CDlgMainSet.h"
#include "gui/buttons/CSettingDlg.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/UiLanguage.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/sim/SimulatedDeviceMonitor.h"
#include "platform/sim/SimulatedQx71.h"
#include "support/FakeClock.h"
#include "support/FakeTimerQueue.h"
#include "support/NoHostServices.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedDownloader.h"
#include "support/TempDir.h"
#include "support/gui/QtTestHelpers.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace qx71::gui {
namespace {

class NoQuestions final : public IQuestionSink {
public:
    bool Ask(const std::u16string&) override { return false; }
};

using test::RunEvents;

void Click(QWidget* widget)
{
    const QPoint at = widget->rect().center();
    test::Mouse(widget, QEvent::MouseButtonPress, at);
    test::Mouse(widget, QEvent::MouseButtonRelease, at);
}

constexpr MainPage kPages[] = {MainPage::Buttons, MainPage::Lighting, MainPage::Macros,
                               MainPage::Statistics, MainPage::Support};
constexpr ChooserPage kChooserPages[] = {ChooserPage::Key, ChooserPage::Macro, ChooserPage::Basic,
                                         ChooserPage::Advanced};

class TextFit : public ::testing::Test {
protected:
    void SetUp() override
    {
        monitor = std::make_unique<SimulatedDeviceMonitor>(mouse, [](std::function<void()> task) {
            QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
        });
        language = std::make_unique<LanguageSelection>(files, startupMessages, markup, strings,
                                                       install, data);
        language->LoadStartupStrings();
        window = std::make_unique<CQX710DriverDlg>(MainWindowServices{
            clock, files, mouse, *monitor, nullptr, nullptr, launcher, starter, nullptr, downloader,
            markup, timers, strings, *language, install, data, &messages, &questions});
        window->Start();
        RunEvents();
        timers.Advance(1000);
        RunEvents();
        ASSERT_EQ(window->StartupState(), StartupSequence::Outcome::Started);
    }

    void TearDown() override
    {
        window.reset();
        SetChineseUiSource(nullptr);
    }

    // What does not fit on each page and in each chooser page, in the language in force.
    QStringList Problems(const LanguageInfo& lang)
    {
        const QString name =
            QString::fromLatin1(lang.menuText.data(), static_cast<qsizetype>(lang.menuText.size()));
        QStringList problems;
        for (const MainPage page : kPages) {
            window->SelectPage(page);
            RunEvents();
            problems << test::FitProblems(
                *window, name + QStringLiteral(" page %1").arg(static_cast<int>(page)));
        }
        window->SelectPage(MainPage::Buttons);
        auto* buttons = dynamic_cast<CDlgMainSet*>(window->Page(MainPage::Buttons));
        if (buttons == nullptr) {
            return problems << name + QStringLiteral(": no button page");
        }
        buttons->AssignButton(ButtonIndex::Right);
        RunEvents();
        CSettingDlg* chooser = buttons->OpenChooser();
        if (chooser == nullptr) {
            return problems << name + QStringLiteral(": no chooser");
        }
        for (const ChooserPage page : kChooserPages) {
            Click(chooser->Tab(page));
            RunEvents();
            problems << test::FitProblems(
                *chooser, name + QStringLiteral(" chooser page %1").arg(static_cast<int>(page)));
        }
        Click(chooser->CloseButton());
        RunEvents();
        return problems;
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
    NoQuestions questions;
    NoLauncher launcher;
    NoStarter starter;
    test::ScriptedDownloader downloader;
    SimulatedQx71 mouse{clock};
    std::unique_ptr<SimulatedDeviceMonitor> monitor;
    std::unique_ptr<LanguageSelection> language;
    std::unique_ptr<CQX710DriverDlg> window;
};

TEST_F(TextFit, EveryTextFitsItsControlInEveryLanguage)
{
    QStringList problems;
    size_t measured = 0;
    for (const LanguageInfo& lang : kLanguages) {
        // A choice from the language menu: the window follows it at once.
        window->OpenLanguageMenu();
        window->OnLanguageMessage(0, lang.id);
        RunEvents();
        ASSERT_EQ(UiLanguage(), lang.id);
        measured += test::PlacedTexts(*window).size();
        problems << Problems(lang);
    }
    EXPECT_GT(measured, 12u * 20u) << "the pages report the texts they draw";
    EXPECT_TRUE(problems.isEmpty()) << problems.size() << " problems:\n"
                                    << problems.join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace qx71::gui
