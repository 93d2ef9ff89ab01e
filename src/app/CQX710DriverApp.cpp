#include "app/CQX710DriverApp.h"

#include "app/ProgramMessages.h"
#include "app/StartupProbe.h"
#include "app/TerminationSignals.h"
#include "core/app/StartupDirs.h"
#include "core/common/GuardedFileSystem.h"
#include "core/i18n/LanguageSelection.h"
#include "core/i18n/UiStrings.h"
#include "core/markup/SharedMarkupDocument.h"
#include "core/update/UpdatePaths.h"
#include "gui/app/CQX710DriverDlg.h"
#include "gui/widgets/CWndPopup.h"
#include "gui/widgets/Skins.h"
#include "platform/hid/HidapiPlatform.h"
#include "platform/hid/TracingHidPlatform.h"
#include "platform/linux/DesktopPointerSettings.h"
#include "platform/linux/HidrawNodeAccess.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/linux/PosixFolderLock.h"
#include "platform/linux/PosixProcessStarter.h"
#include "platform/linux/ProcessEnvironment.h"
#include "platform/linux/StaleTempFiles.h"
#include "platform/linux/SteadyClock.h"
#include "platform/linux/UdevDeviceMonitor.h"
#include "platform/linux/UdevRuleAdvice.h"
#include "platform/linux/X11CursorPosition.h"
#include "platform/linux/X11DisplayProbe.h"
#include "platform/linux/X11FocusSource.h"
#include "platform/linux/X11InputHooks.h"
#include "platform/net/CurlDownloader.h"
#include "platform/qt/QtHostLauncher.h"
#include "platform/qt/QtTimerQueue.h"
#include "platform/qt/SingleInstance.h"
#include "platform/sim/SimulatedDeviceMonitor.h"
#include "platform/sim/SimulatedNodeAccess.h"
#include "platform/sim/SimulatedQx71.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QPixmapCache>
#include <QSessionManager>
#include <QTimer>

#include <cstdlib>
#include <iostream>

namespace qx71 {

namespace {
// The skins are loaded once and kept by the controls that show them, so Qt's cache of loaded
// pictures would only hold a second reference to sheets the pages have done with.
constexpr int kPixmapCacheKiB = 1024;
} // namespace

CQX710DriverApp::CQX710DriverApp(AppOptions options) : options_(std::move(options)) {}

CQX710DriverApp::~CQX710DriverApp()
{
    signals_.reset();
    window_.reset();
    probe_.reset();
}

bool CQX710DriverApp::ClaimInstance()
{
    // One copy per settings folder: two copies would overwrite each other's files. Copies on
    // separate folders (tests, other users) do not meet.
    const QByteArray folder = QByteArray::fromStdString(dataDir_.lexically_normal().string());
    const QString name =
        SingleInstance::DefaultName() + QLatin1Char('-') +
        QString::fromLatin1(
            QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(12));
    instance_ = std::make_unique<SingleInstance>(name);
    switch (instance_->Claim([this] {
        if (window_) {
            window_->ShowFromTray();
        }
    })) {
    case SingleInstance::Role::First:
        return true;
    case SingleInstance::Role::Second:
        return false;
    case SingleInstance::Role::Failed:
        std::cerr << "qx71: another copy is running but does not answer\n";
        return false;
    }
    return false;
}

void CQX710DriverApp::CreateBackends()
{
    clock_ = std::make_unique<SteadyClock>();
    messages_ = std::make_unique<ProgramMessages>();
    systemFiles_ = std::make_unique<PosixFileSystem>();
    files_ = std::make_unique<GuardedFileSystem>(
        *systemFiles_, *messages_, SettingsFiles(dataDir_),
        [this] { return language_ && language_->ChineseUi() == 1; });
    codec_ = std::make_unique<IconvTextCodec>();
    markup_ = std::make_unique<SharedMarkupDocument>(*files_, *codec_);
    strings_ = std::make_unique<UiStrings>();
    timers_ = std::make_unique<QtTimerQueue>();
    const PostTask post = MakeQtPostTask(qApp);
    if (options_.simulate) {
        auto sim = std::make_unique<SimulatedQx71>(*clock_);
        sim->HideFromEnumerations(options_.simulateMissedOpens);
        sim->SetVendorAccessDenied(options_.simulateDenied);
        simulator_ = sim.get();
        nodes_ = std::make_unique<SimulatedNodeAccess>(*sim);
        hid_ = std::move(sim);
        auto monitor = std::make_unique<SimulatedDeviceMonitor>(*simulator_, post,
                                                                options_.simulateUpdateMode);
        simulatedMonitor_ = monitor.get();
        monitor_ = std::move(monitor);
    } else {
        hid_ = std::make_unique<HidapiPlatform>();
        nodes_ = std::make_unique<HidrawNodeAccess>();
        monitor_ = std::make_unique<UdevDeviceMonitor>(post);
    }
    if (!options_.traceFile.empty()) {
        traced_ = std::make_unique<TracingHidPlatform>(*hid_, options_.traceFile);
    }
    inputHooks_ = std::make_unique<X11InputHooks>(post);
    focus_ = std::make_unique<X11FocusSource>(post);
    // The desktop's own store; its library is opened at the first Apply, not at start.
    pointer_ = MakeDesktopPointerSettings(SessionFromEnvironment(),
                                          FormConfigHome(ReadDataDirEnvironment()));
    launcher_ = std::make_unique<QtHostLauncher>(installDir_ / QtHostLauncher::kSoundModuleFile);
    starter_ = std::make_unique<PosixProcessStarter>();
    cursor_ = std::make_unique<X11CursorPosition>();
    downloader_ = std::make_unique<CurlDownloader>();
}

int CQX710DriverApp::Run()
{
    installDir_ = FormInstallDir(ExecutablePath());
    dataDir_ = options_.dataDir.empty() ? FormDataDir(ReadDataDirEnvironment())
                                        : std::filesystem::path(options_.dataDir);
    if (!ClaimInstance()) {
        return 1;
    }
    // Temp files of a save that a killed run left behind; only the one copy on this folder
    // may tidy it.
    RemoveStaleTempFiles(dataDir_);
    gui::SetSkinDir(QString::fromStdString((installDir_ / "skins").string()));
    QPixmapCache::setCacheLimit(kPixmapCacheKiB);
    if (const char* display = std::getenv("DISPLAY"); display != nullptr) {
        gui::SetDesktopComposites(X11CompositorRunning(display));
    }
    CreateBackends();
    // The language's own messages (a Language.cfg that cannot be read) show in the program's
    // boxes, before the window exists too.
    language_ = std::make_unique<LanguageSelection>(*files_, *messages_, *markup_, *strings_,
                                                    installDir_, dataDir_);
    language_->LoadStartupStrings();

    IHidPlatform& hid = traced_ ? static_cast<IHidPlatform&>(*traced_) : *hid_;
    gui::MainWindowServices services{*clock_,           *files_,        hid,         *monitor_,
                                     inputHooks_.get(), pointer_.get(), *launcher_,  *starter_,
                                     cursor_.get(),     *downloader_,   *markup_,    *timers_,
                                     *strings_,         *language_,     installDir_, dataDir_};
    services.focus = focus_.get();
    services.updateServer = UpdateServer(ReadUpdateServerEnvironment());
    services.installDirWritable =
        CanWriteUnder(FormUpdatePaths(installDir_, dataDir_, true).image.parent_path());
    services.waylandSession = IsWaylandSession(SessionFromEnvironment());
    services.startHidden = options_.hidden;
    services.messages = messages_.get();
    folderLock_ = std::make_unique<PosixFolderLock>(dataDir_);
    services.folderLock = folderLock_.get();
    // The session is ending: what its saves say goes to standard error, since a box would hold
    // up the logout. Connected before the window's own handlers, so it is in force for them; it
    // ends once they have run.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [this](QSessionManager&) {
        if (!messages_->Unattended()) {
            messages_->SetUnattended(true);
            QTimer::singleShot(0, qApp, [this] {
                if (window_ && !window_->Closing()) {
                    messages_->SetUnattended(false);
                }
            });
        }
    });
    services.nodes = nodes_.get();
    services.accessFix = AdviseUdevRule(installDir_).fixCommand;
    window_ = std::make_unique<gui::CQX710DriverDlg>(std::move(services));
    messages_->SetParent(window_.get());
    QObject::connect(window_.get(), &gui::CQX710DriverDlg::closed, qApp, &QApplication::quit);

    TerminationSignals::Handlers handlers;
    // Nobody is there to answer a box: the close tells its failures on standard error.
    handlers.terminate = [this] {
        messages_->SetUnattended(true);
        window_->RequestClose();
    };
    if (simulatedMonitor_ != nullptr) {
        handlers.unplug = [this] { simulatedMonitor_->Unplug(); };
        handlers.plug = [this] { simulatedMonitor_->Plug(); };
    }
    signals_ = std::make_unique<TerminationSignals>(std::move(handlers));

    if (const char* profile = std::getenv("QX71_PROFILE_FILE"); profile != nullptr && *profile) {
        probe_ = std::make_unique<StartupProbe>(profile);
        QObject::connect(window_.get(), &gui::CQX710DriverDlg::firstPainted, probe_.get(),
                         &StartupProbe::OnFirstPaint);
    }
    // The window is not a modal run of its own: the event loop ends when it has closed.
    QApplication::setQuitOnLastWindowClosed(false);
    window_->Start();
    return QApplication::exec();
}

} // namespace qx71
