#pragma once

#include "core/common/IClock.h"
#include "core/common/IFileSystem.h"
#include "core/device/IHidPlatform.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qx71 {

class IDeviceMonitor;
class IDownloader;
class IFolderLock;
class IHidNodeAccess;
class IPointerSettings;
class ITextCodec;
struct UdevRuleAdvice;

// The system's implementations of the core's interfaces, as qx71ctl uses them. Each platform
// defines these in its own folder (linux/, windows/); the commands see only the interfaces.
std::unique_ptr<IClock> MakeSystemClock();
std::unique_ptr<IFileSystem> MakeSystemFileSystem();
std::unique_ptr<IHidPlatform> MakeSystemHid();
std::unique_ptr<IHidNodeAccess> MakeSystemNodeAccess();
// Only asked whether a device is present: it never posts.
std::unique_ptr<IDeviceMonitor> MakeSystemUsbMonitor();
std::unique_ptr<ITextCodec> MakeSystemTextCodec();
// The desktop's pointer settings, or nullptr where there is no desktop to set them on.
std::unique_ptr<IPointerSettings> MakeSystemPointerSettings();
// The desktop whose pointer settings MakeSystemPointerSettings sets, for people ("GNOME", ...).
std::string SystemPointerDesktopName();

// The session `devices` reports: its type, whether the input hooks see only X11 windows, and
// the lines that tell the user what the hooks can see.
struct SystemSessionReport {
    std::string type;
    bool hooksSeeOnlyX11Windows = false;
    std::string text;
};
SystemSessionReport DescribeSystemSession();
// nullptr where the build has no downloader.
std::unique_ptr<IDownloader> MakeSystemDownloader();

// Sets the process up for the command line (its output is UTF-8 text with plain line ends on
// every system) and returns its arguments as UTF-8, the program's name first.
std::vector<std::string> SystemCommandLine(int argc, char** argv);

// The running program's own path.
std::filesystem::path SystemExecutablePath();
// DataDir as the platform forms it (QX71_DATA_DIR first).
std::filesystem::path SystemDataDir();
// QX71_UPDATE_SERVER, nullopt when it is not set.
std::optional<std::string> SystemUpdateServerEnvironment();
// Whether this program may create files in `folder` (or the nearest folder above it).
bool SystemCanWriteUnder(const std::filesystem::path& folder);
// The settings folder's lock, taken within `limit` (tried again in short sleeps: qx71ctl has no
// event loop to keep answering); nullptr when another program held it all that time.
std::unique_ptr<IFolderLock> SystemLockFolder(const std::filesystem::path& folder,
                                              std::chrono::milliseconds limit);
// Removes temp files that interrupted saves left in DataDir.
void SystemRemoveStaleTempFiles(const std::filesystem::path& dataDir);
// A new private folder under the system's temporary folder; empty when none could be made.
std::filesystem::path SystemMakeScratchFolder();
// Whether standard error is a terminal (progress is drawn only there).
bool SystemStderrIsTerminal();
// Where the desktop looks for the autostart entry of the window program; nullopt where the
// build has no window program.
std::optional<std::filesystem::path> SystemAutostartPath();
// What gives the user access to the mouse's nodes, where the system needs it.
UdevRuleAdvice SystemAccessAdvice(const std::filesystem::path& installDir,
                                  const std::filesystem::path& root);

} // namespace qx71
