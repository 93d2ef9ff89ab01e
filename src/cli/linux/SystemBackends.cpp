// qx71ctl's backends on Linux: hidapi, udev, iconv, X11, libcurl.
#include "cli/SystemBackends.h"

#include "core/app/AutostartEntry.h"
#include "core/app/StartupDirs.h"
#include "core/app/WaylandNotice.h"
#include "platform/hid/HidapiPlatform.h"
#include "platform/linux/DesktopPointerSettings.h"
#include "platform/linux/HidrawNodeAccess.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/linux/PosixFolderLock.h"
#include "platform/linux/ProcessEnvironment.h"
#include "platform/linux/StaleTempFiles.h"
#include "platform/linux/SteadyClock.h"
#include "platform/linux/UdevDeviceMonitor.h"
#include "platform/linux/UdevRuleAdvice.h"
#include "platform/net/CurlDownloader.h"

#include <stdlib.h>
#include <unistd.h>

namespace qx71 {

std::unique_ptr<IClock> MakeSystemClock()
{
    return std::make_unique<SteadyClock>();
}

std::unique_ptr<IFileSystem> MakeSystemFileSystem()
{
    return std::make_unique<PosixFileSystem>();
}

std::unique_ptr<IHidPlatform> MakeSystemHid()
{
    return std::make_unique<HidapiPlatform>();
}

std::unique_ptr<IHidNodeAccess> MakeSystemNodeAccess()
{
    return std::make_unique<HidrawNodeAccess>();
}

std::unique_ptr<IDeviceMonitor> MakeSystemUsbMonitor()
{
    return std::make_unique<UdevDeviceMonitor>([](std::function<void()>) {});
}

std::unique_ptr<ITextCodec> MakeSystemTextCodec()
{
    return std::make_unique<IconvTextCodec>();
}

std::unique_ptr<IPointerSettings> MakeSystemPointerSettings()
{
    return MakeDesktopPointerSettings(SessionFromEnvironment(),
                                      FormConfigHome(ReadDataDirEnvironment()));
}

std::string SystemPointerDesktopName()
{
    return std::string(PointerBackendName(ChoosePointerBackend(SessionFromEnvironment())));
}

SystemSessionReport DescribeSystemSession()
{
    const SessionDescription session = SessionFromEnvironment();
    return {SessionTypeName(session), IsWaylandSession(session), SessionReport(session)};
}

std::unique_ptr<IDownloader> MakeSystemDownloader()
{
    return std::make_unique<CurlDownloader>();
}

std::vector<std::string> SystemCommandLine(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

std::filesystem::path SystemExecutablePath()
{
    return ExecutablePath();
}

std::filesystem::path SystemDataDir()
{
    return FormDataDir(ReadDataDirEnvironment());
}

std::optional<std::string> SystemUpdateServerEnvironment()
{
    return ReadUpdateServerEnvironment();
}

bool SystemCanWriteUnder(const std::filesystem::path& folder)
{
    return CanWriteUnder(folder);
}

std::unique_ptr<IFolderLock> SystemLockFolder(const std::filesystem::path& folder,
                                              std::chrono::milliseconds limit)
{
    auto lock = std::make_unique<PosixFolderLock>(folder);
    if (!lock->LockWithin(limit)) {
        return nullptr;
    }
    return lock;
}

void SystemRemoveStaleTempFiles(const std::filesystem::path& dataDir)
{
    RemoveStaleTempFiles(dataDir);
}

std::filesystem::path SystemMakeScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qx71-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    return pattern;
}

bool SystemStderrIsTerminal()
{
    return ::isatty(STDERR_FILENO) != 0;
}

std::optional<std::filesystem::path> SystemAutostartPath()
{
    return AutostartPath(FormConfigHome(ReadDataDirEnvironment()));
}

UdevRuleAdvice SystemAccessAdvice(const std::filesystem::path& installDir,
                                  const std::filesystem::path& root)
{
    return AdviseUdevRule(installDir, root);
}

} // namespace qx71
