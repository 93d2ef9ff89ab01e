// qx71ctl's backends on Windows: the system's HID stack, SetupDi, MultiByteToWideChar and
// SystemParametersInfoW. This build has no downloader.
#include "cli/SystemBackends.h"

#include "platform/linux/UdevRuleAdvice.h"
#include "platform/windows/WideText.h"
#include "platform/windows/WinClock.h"
#include "platform/windows/WinDirectories.h"
#include "platform/windows/WinFileSystem.h"
#include "platform/windows/WinFolderLock.h"
#include "platform/windows/WinHidPlatform.h"
#include "platform/windows/WinNodeAccess.h"
#include "platform/windows/WinPointerSettings.h"
#include "platform/windows/WinStaleTempFiles.h"
#include "platform/windows/WinTextCodec.h"
#include "platform/windows/WinUsbPresence.h"

#include "core/update/IDownloader.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

namespace qx71 {

std::unique_ptr<IClock> MakeSystemClock()
{
    return std::make_unique<WinClock>();
}

std::unique_ptr<IFileSystem> MakeSystemFileSystem()
{
    return std::make_unique<WinFileSystem>();
}

std::unique_ptr<IHidPlatform> MakeSystemHid()
{
    return std::make_unique<WinHidPlatform>();
}

std::unique_ptr<IHidNodeAccess> MakeSystemNodeAccess()
{
    return std::make_unique<WinNodeAccess>();
}

std::unique_ptr<IDeviceMonitor> MakeSystemUsbMonitor()
{
    return std::make_unique<WinUsbPresence>();
}

std::unique_ptr<ITextCodec> MakeSystemTextCodec()
{
    return std::make_unique<WinTextCodec>();
}

std::unique_ptr<IPointerSettings> MakeSystemPointerSettings()
{
    return std::make_unique<WinPointerSettings>();
}

std::string SystemPointerDesktopName()
{
    return "Windows";
}

SystemSessionReport DescribeSystemSession()
{
    // The low-level hooks see every window of the desktop.
    return {"windows", false, "Session: windows. The input hooks see every window.\n"};
}

std::unique_ptr<IDownloader> MakeSystemDownloader()
{
    return nullptr;
}

std::vector<std::string> SystemCommandLine(int argc, char** argv)
{
    // The same bytes as on Linux: UTF-8 text, "\n" line ends.
    ::SetConsoleOutputCP(CP_UTF8);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    // argv is in the ANSI code page, which cannot hold every file name: the wide command line
    // can.
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(Utf8FromWide(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}

std::filesystem::path SystemExecutablePath()
{
    return ExecutablePath();
}

std::filesystem::path SystemDataDir()
{
    return WindowsDataDir();
}

std::optional<std::string> SystemUpdateServerEnvironment()
{
    return EnvironmentVariable(L"QX71_UPDATE_SERVER");
}

bool SystemCanWriteUnder(const std::filesystem::path& folder)
{
    return CanWriteUnder(folder);
}

std::unique_ptr<IFolderLock> SystemLockFolder(const std::filesystem::path& folder,
                                              std::chrono::milliseconds limit)
{
    auto lock = std::make_unique<WinFolderLock>(folder);
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
    return MakeScratchFolder();
}

bool SystemStderrIsTerminal()
{
    return ::_isatty(::_fileno(stderr)) != 0;
}

std::optional<std::filesystem::path> SystemAutostartPath()
{
    // The window program needs Qt built for MinGW, which this build does not have.
    return std::nullopt;
}

UdevRuleAdvice SystemAccessAdvice(const std::filesystem::path& /*installDir*/,
                                  const std::filesystem::path& /*root*/)
{
    // Windows gives access to HID interfaces without a rule.
    return {};
}

} // namespace qx71
