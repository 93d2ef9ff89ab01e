#pragma once

#include <filesystem>
#include <string>

namespace qx71 {
class IClock;
class ICursorPosition;
class IDeviceMonitor;
class IDownloader;
class IFileSystem;
class IFocusSource;
class IFolderLock;
class IHidNodeAccess;
class IHidPlatform;
class IHostLauncher;
class IInputHooks;
class IMessageSink;
class IQuestionSink;
class IPointerSettings;
class IProcessStarter;
class ITimerQueue;
class LanguageSelection;
class SharedMarkupDocument;
class UiStrings;
} // namespace qx71

namespace qx71::gui {

// The system behind the main window, chosen by the program's main: the real mouse or the
// simulated one, the X11 hooks or none. The window sees only these interfaces.
struct MainWindowServices {
    IClock& clock;
    IFileSystem& files;
    IHidPlatform& hid;
    IDeviceMonitor& monitor;
    IInputHooks* inputHooks;   // null: no global hooks
    IPointerSettings* pointer; // null: the pointer settings are left alone
    IHostLauncher& launcher;
    IProcessStarter& starter; // the flashing tool and the separate updater
    ICursorPosition* cursor;  // null: no pointer position (the statistics' distance)
    IDownloader& downloader;  // the firmware update check
    SharedMarkupDocument& markup;
    ITimerQueue& timers;
    UiStrings& strings;
    LanguageSelection& language;
    std::filesystem::path installDir;
    std::filesystem::path dataDir;
    // Null: the window's own boxes. Tests answer for the user here.
    IMessageSink* messages = nullptr;
    IQuestionSink* questions = nullptr;
    // The firmware update check: the update server (empty: no online check), and whether its
    // downloads may go under installDir (else under dataDir).
    std::string updateServer = {};
    bool installDirWritable = false;
    // Which window has the focus, for the profiles that follow it. Null: they do not.
    IFocusSource* focus = nullptr;
    // A Wayland session: the window runs through XWayland and says once what that limits.
    bool waylandSession = false;
    // Start in the notification area, or minimised where there is none.
    bool startHidden = false;
    // The settings folder's lock, held by Apply while it runs (null: none, as in tests that
    // do not try two programs on one folder).
    IFolderLock* folderLock = nullptr;
    // Why the mouse's node does not open, and the command that gives access (empty: none is
    // known); without `nodes` a mouse that does not open is reported as not found.
    IHidNodeAccess* nodes = nullptr;
    std::string accessFix = {};
};

} // namespace qx71::gui
