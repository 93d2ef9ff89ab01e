#include "cli/CliContext.h"

#include "cli/CliParse.h"
#include "cli/EditSession.h"
#include "cli/SystemBackends.h"

#include "core/app/IDeviceMonitor.h"
#include "core/app/StartupDirs.h"
#include "core/common/GuardedFileSystem.h"
#include "core/common/IFolderLock.h"
#include "core/common/PathText.h"
#include "core/common/Utf.h"
#include "core/device/DeviceSurvey.h"
#include "core/hooks/IPointerSettings.h"
#include "core/i18n/LanguageSelection.h"
#include "core/markup/ITextCodec.h"
#include "core/markup/SharedMarkupDocument.h"
#include "platform/hid/TracingHidPlatform.h"
#include "platform/sim/SimulatedQx71.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace qx71 {

namespace {

// Messages the program would show in its boxes go to stderr on the command line.
class StderrMessageSink final : public IMessageSink {
public:
    void Show(const UserMessage& message) override
    {
        std::cerr << Utf16ToUtf8(message.text) << '\n';
    }
};

} // namespace

CliContext::CliContext() = default;
CliContext::~CliContext() = default;

IClock& CliContext::Clock()
{
    if (!clock_) {
        clock_ = MakeSystemClock();
    }
    return *clock_;
}

IFileSystem& CliContext::Files()
{
    if (!files_) {
        systemFiles_ = MakeSystemFileSystem();
        files_ = std::make_unique<GuardedFileSystem>(
            *systemFiles_, Messages(), SettingsFiles(DataDirPath()),
            [this] { return language_ && language_->ChineseUi() == 1; });
    }
    return *files_;
}

IMessageSink& CliContext::Messages()
{
    if (!messages_) {
        messages_ = std::make_unique<StderrMessageSink>();
    }
    return *messages_;
}

IHidPlatform& CliContext::Hid()
{
    if (!hid_) {
        if (options.simulate) {
            auto sim = std::make_unique<SimulatedQx71>(Clock());
            simulator_ = sim.get();
            for (const std::string& command : options.simulateFail) {
                if (const auto byte = ParseCommandByte(command)) {
                    sim->FailCommand(*byte);
                }
            }
            hid_ = std::move(sim);
        } else {
            hid_ = MakeSystemHid();
        }
        if (!options.traceFile.empty()) {
            traced_ = std::make_unique<TracingHidPlatform>(*hid_, options.traceFile);
        }
    }
    if (traced_) {
        return *traced_;
    }
    return *hid_;
}

SimulatedQx71* CliContext::Simulator()
{
    Hid();
    return simulator_;
}

IHidNodeAccess& CliContext::NodeAccess()
{
    if (!nodeAccess_) {
        nodeAccess_ = MakeSystemNodeAccess();
    }
    return *nodeAccess_;
}

void CliContext::UseBackends(std::unique_ptr<IHidPlatform> hid,
                             std::unique_ptr<IHidNodeAccess> nodes,
                             std::unique_ptr<IDeviceMonitor> monitor)
{
    hid_ = std::move(hid);
    nodeAccess_ = std::move(nodes);
    usbMonitor_ = std::move(monitor);
}

IPointerSettings* CliContext::Pointer()
{
    if (!pointerMade_) {
        pointerMade_ = true;
        pointer_ = MakeSystemPointerSettings();
    }
    return pointer_.get();
}

std::string CliContext::PointerDesktopName()
{
    return SystemPointerDesktopName();
}

IDeviceMonitor* CliContext::UsbMonitor()
{
    if (usbMonitor_) {
        return usbMonitor_.get();
    }
    if (options.simulate) {
        return nullptr;
    }
    if (!usbMonitor_) {
        // Only asked whether a device is present: nothing is ever posted.
        usbMonitor_ = MakeSystemUsbMonitor();
    }
    return usbMonitor_.get();
}

std::filesystem::path CliContext::InstallDir()
{
    return FormInstallDir(SystemExecutablePath());
}

std::filesystem::path CliContext::DataDirPath() const
{
    return options.dataDir.empty() ? SystemDataDir() : PathFromUtf8(options.dataDir);
}

std::filesystem::path CliContext::DataDir()
{
    std::filesystem::path dir = DataDirPath();
    if (!seeded_) {
        Files().CreateDirectories(dir);
        folderLock_ = SystemLockFolder(dir, kFolderLockWait);
        if (!folderLock_) {
            // Nothing was read or written yet: the call ends here.
            seeded_ = true;
            Fail("The settings folder " + PathToUtf8(dir) +
                 " is in use by another program (the window or another qx71ctl); gave up after " +
                 std::to_string(kFolderLockWait.count()) + " s.");
            throw CLI::RuntimeError(exitCode);
        }
        // The language is not known yet: a failed seeding is told in English.
        if (const SeedOutcome seeding = SeedDataDir(Files(), InstallDir(), dir);
            !seeding.failures.empty()) {
            Messages().Show(
                {MessageKind::SystemBox, u"Info", SeedFailureText(seeding, dir, false)});
        }
        // Temp files of a save that a killed run left behind.
        SystemRemoveStaleTempFiles(dir);
        seeded_ = true;
    }
    return dir;
}

UiStrings& CliContext::Strings()
{
    if (!language_) {
        codec_ = MakeSystemTextCodec();
        markup_ = std::make_unique<SharedMarkupDocument>(Files(), *codec_);
        language_ = std::make_unique<LanguageSelection>(Files(), Messages(), *markup_, strings_,
                                                        InstallDir(), DataDir());
        // As the window does at start: the stored language, applied as if chosen.
        language_->HandleLanguageMessage(kStartupLanguageCode,
                                         static_cast<int32_t>(language_->ReadLanguageCfg()), false);
    }
    return strings_;
}

bool CliContext::ChineseUi()
{
    Strings();
    return language_->ChineseUi() == 1;
}

void CliContext::Print(const nlohmann::json& data, const std::function<void()>& text)
{
    if (options.json) {
        std::cout << data.dump(2) << '\n';
    } else {
        text();
    }
}

void CliContext::Fail(const std::string& line)
{
    std::cerr << line << '\n';
    if (exitCode == 0) {
        exitCode = 1;
    }
}

} // namespace qx71
