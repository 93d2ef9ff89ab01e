#pragma once

#include "app/AppOptions.h"

#include <filesystem>
#include <memory>

namespace qx71 {

class IClock;
class ICursorPosition;
class IDeviceMonitor;
class IDownloader;
class IFileSystem;
class IHidNodeAccess;
class IHidPlatform;
class IHostLauncher;
class IInputHooks;
class IFocusSource;
class IPointerSettings;
class IProcessStarter;
class PosixFileSystem;
class PosixFolderLock;
class ProgramMessages;
class ITextCodec;
class LanguageSelection;
class QtTimerQueue;
class SharedMarkupDocument;
class SimulatedDeviceMonitor;
class SimulatedQx71;
class SingleInstance;
class StartupProbe;
class TerminationSignals;
class TracingHidPlatform;
class UiStrings;

namespace gui {
class CQX710DriverDlg;
} // namespace gui

// The window program: one copy per settings folder, the folders, the system's backends (the
// real mouse or the simulated one), the first string set, then the main window until it
// closes. Needs a QApplication.
class CQX710DriverApp {
public:
    explicit CQX710DriverApp(AppOptions options);
    ~CQX710DriverApp();
    CQX710DriverApp(const CQX710DriverApp&) = delete;
    CQX710DriverApp& operator=(const CQX710DriverApp&) = delete;

    // Runs the program; returns the exit code.
    int Run();

private:
    bool ClaimInstance();
    void CreateBackends();

    AppOptions options_;
    std::filesystem::path installDir_;
    std::filesystem::path dataDir_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<IClock> clock_;
    std::unique_ptr<ProgramMessages> messages_;
    std::unique_ptr<PosixFileSystem> systemFiles_;
    // The settings files as every part of the program reads and saves them: one that could not
    // be read is never written over.
    std::unique_ptr<IFileSystem> files_;
    std::unique_ptr<PosixFolderLock> folderLock_;
    std::unique_ptr<ITextCodec> codec_;
    std::unique_ptr<SharedMarkupDocument> markup_;
    std::unique_ptr<UiStrings> strings_;
    std::unique_ptr<LanguageSelection> language_;
    std::unique_ptr<IHidPlatform> hid_;
    std::unique_ptr<IHidNodeAccess> nodes_; // asks hid_ when it is the simulated mouse
    std::unique_ptr<TracingHidPlatform> traced_;
    SimulatedQx71* simulator_ = nullptr;
    SimulatedDeviceMonitor* simulatedMonitor_ = nullptr;
    std::unique_ptr<QtTimerQueue> timers_;
    std::unique_ptr<IDeviceMonitor> monitor_;
    std::unique_ptr<IInputHooks> inputHooks_;
    std::unique_ptr<IFocusSource> focus_;
    std::unique_ptr<IPointerSettings> pointer_;
    std::unique_ptr<IHostLauncher> launcher_;
    std::unique_ptr<IProcessStarter> starter_;
    std::unique_ptr<ICursorPosition> cursor_;
    std::unique_ptr<IDownloader> downloader_;
    std::unique_ptr<gui::CQX710DriverDlg> window_;
    std::unique_ptr<TerminationSignals> signals_;
    std::unique_ptr<StartupProbe> probe_;
};

} // namespace qx71
