// Draws one contact sheet per language: qx71_contact INSTALL_DIR OUTPUT_DIR. The main window
// runs against the simulated mouse on a temporary data folder; each sheet holds its five
// pages, the function chooser's four pages, the language menu, an info box and the progress
// dialog, as the program draws them in that language.
#include "ContactSheet.h"

#include "core/common/IMessageSink.h"
#include "core/common/IQuestionSink.h"
#include "core/hooks/IHostLauncher.h"
#include "core/i18n/LanguageSelection.h"
#include "core/i18n/LanguageTable.h"
#include "core/i18n/UiStrings.h"
#include "core/markup/SharedMarkupDocument.h"
#include "core/update/IDownloader.h"
#include "core/update/IProcessStarter.h"
#include "gui/app/CQX710DriverDlg.h"
#include "gui/buttons/CDlgMainSet.h"
#include "gui/buttons/CSettingDlg.h"
#include "gui/config/CDlgProgress.h"
#include "gui/widgets/CDlgInfo.h"
#include "gui/widgets/CGDIBitmapBtn.h"
#include "gui/widgets/QtConvert.h"
#include "gui/widgets/Skins.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/linux/SteadyClock.h"
#include "platform/qt/QtTimerQueue.h"
#include "platform/sim/SimulatedDeviceMonitor.h"
#include "platform/sim/SimulatedQx71.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <cstdio>

namespace qx71::contact {
namespace {

struct Quiet final : IMessageSink, IQuestionSink, IHostLauncher, IProcessStarter, IDownloader {
    void Show(const UserMessage&) override {}
    bool Ask(const std::u16string&) override { return false; }
    bool PlaySound(const std::u16string&) override { return false; }
    bool StartProgram(const std::u16string&) override { return false; }
    bool OpenFile(const std::u16string&) override { return false; }
    bool OpenFolder(const std::u16string&) override { return false; }
    bool Start(const std::filesystem::path&, const std::vector<std::string>&) override
    {
        return false;
    }
    DownloadResult Download(const std::string&, const std::filesystem::path&,
                            const DownloadLimits&) override
    {
        return {DownloadError::Connect, 0, "no network here"};
    }
    void Abort() override {}
};

// Lets the window handle its events for `ms` milliseconds.
void Settle(int ms = 150)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

void Click(QWidget* widget)
{
    const QPointF at = widget->rect().center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

QImage Picture(QWidget& widget)
{
    return widget.grab().toImage();
}

constexpr MainPage kPages[] = {MainPage::Buttons, MainPage::Lighting, MainPage::Macros,
                               MainPage::Statistics, MainPage::Support};
constexpr const char* kPageNames[] = {"buttons", "lighting", "macros", "statistics", "support"};
constexpr ChooserPage kChooserPages[] = {ChooserPage::Key, ChooserPage::Macro, ChooserPage::Basic,
                                         ChooserPage::Advanced};
constexpr const char* kChooserNames[] = {"key", "macro", "basic", "advanced"};

int Run(const std::filesystem::path& install, const QString& out)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "qx71_contact: no temporary folder\n");
        return 1;
    }
    const std::filesystem::path data = work.path().toStdString() + "/data";
    gui::SetSkinDir(QString::fromStdString((install / "skins").string()));
    SteadyClock clock;
    QtTimerQueue timers;
    PosixFileSystem files;
    IconvTextCodec codec;
    SharedMarkupDocument markup{files, codec};
    UiStrings strings;
    Quiet quiet;
    SimulatedQx71 mouse{clock};
    SimulatedDeviceMonitor monitor(mouse, [](std::function<void()> task) {
        QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
    });
    LanguageSelection language(files, quiet, markup, strings, install, data);
    language.LoadStartupStrings();
    gui::CQX710DriverDlg window(gui::MainWindowServices{
        clock, files, mouse, monitor, nullptr, nullptr, quiet, quiet, nullptr, quiet, markup,
        timers, strings, language, install, data, &quiet, &quiet});
    window.Start();
    QDeadlineTimer started(20000);
    while (window.StartupState() != StartupSequence::Outcome::Started && !started.hasExpired()) {
        Settle(50);
    }
    if (window.StartupState() != StartupSequence::Outcome::Started) {
        std::fprintf(stderr, "qx71_contact: the window did not start\n");
        return 1;
    }
    int written = 0;
    for (const LanguageInfo& lang : kLanguages) {
        window.OpenLanguageMenu();
        Settle();
        ContactSheet sheet;
        if (lang.id == kLanguageSimplifiedChinese) {
            // The menu as it opens, before the first choice.
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top != &window && top->isVisible()) {
                    sheet.Add(QStringLiteral("language menu"), Picture(*top));
                }
            }
        }
        window.OnLanguageMessage(0, lang.id);
        Settle();
        for (size_t i = 0; i < std::size(kPages); ++i) {
            window.SelectPage(kPages[i]);
            Settle();
            sheet.Add(QString::fromLatin1(kPageNames[i]), Picture(window));
            if (i == 2) {
                sheet.NewRow();
            }
        }
        sheet.NewRow();
        window.SelectPage(MainPage::Buttons);
        Settle();
        if (auto* buttons = dynamic_cast<gui::CDlgMainSet*>(window.Page(MainPage::Buttons))) {
            buttons->AssignButton(ButtonIndex::Right);
            Settle();
            if (gui::CSettingDlg* chooser = buttons->OpenChooser()) {
                for (size_t i = 0; i < std::size(kChooserPages); ++i) {
                    Click(chooser->Tab(kChooserPages[i]));
                    Settle();
                    sheet.Add(QStringLiteral("chooser: ") + QString::fromLatin1(kChooserNames[i]),
                              Picture(*chooser));
                }
                Click(chooser->CloseButton());
                Settle();
            }
        }
        sheet.NewRow();
        {
            gui::CDlgInfo box;
            box.SetText(
                gui::ToQString(FormatWithPath(strings.Get("str_msg2"), data / "Macro.cfg")));
            box.Prepare();
            box.show();
            Settle();
            sheet.Add(QStringLiteral("info box"), Picture(box));
            box.done(0);
        }
        {
            gui::CDlgProgress progress(&window);
            progress.Prepare();
            progress.show();
            Settle();
            sheet.Add(QStringLiteral("progress"), Picture(progress));
            progress.hide();
        }
        const QString name =
            QString::fromLatin1(lang.menuText.data(), static_cast<qsizetype>(lang.menuText.size()));
        const QString file = out + QStringLiteral("/contact-%1-%2.png")
                                       .arg(lang.id, 2, 10, QLatin1Char('0'))
                                       .arg(QString(name).replace(QLatin1Char('.'), QString()));
        if (!sheet.Compose(name).save(file)) {
            std::fprintf(stderr, "qx71_contact: cannot write %s\n", qPrintable(file));
            return 1;
        }
        ++written;
    }
    std::printf("contact sheets: %d\n", written);
    return 0;
}

} // namespace
} // namespace qx71::contact

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: qx71_contact INSTALL_DIR OUTPUT_DIR\n");
        return 2;
    }
    QApplication app(argc, argv);
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    return qx71::contact::Run(argv[1], QString::fromLocal8Bit(argv[2]));
}
