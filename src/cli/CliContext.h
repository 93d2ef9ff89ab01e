#pragma once

#include "core/common/IClock.h"
#include "core/common/IFileSystem.h"
#include "core/common/IMessageSink.h"
#include "core/device/IHidPlatform.h"
#include "core/i18n/UiStrings.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qx71 {

class SimulatedQx71;
class TracingHidPlatform;
class ITextCodec;
class SharedMarkupDocument;
class LanguageSelection;
class IHidNodeAccess;
class IDeviceMonitor;
class EditSession;
class IPointerSettings;
class IFolderLock;

// How long a command waits for the window or another qx71ctl to finish with the settings.
inline constexpr std::chrono::seconds kFolderLockWait{10};

struct CliOptions {
    bool simulate = false;
    // Commands (0x12, ...) whose feature reports the simulated mouse refuses, to try failures.
    std::vector<std::string> simulateFail;
    std::string traceFile;
    std::string dataDir;
    bool json = false;
};

// What every command of qx71ctl shares: the options, the platform backends (created on first
// use), the folders, and the way results and failures are printed.
class CliContext {
public:
    CliContext();
    ~CliContext();

    CliOptions options;
    int exitCode = 0;
    // Edits of the profile in use not yet written (see EditSession).
    std::unique_ptr<EditSession> edits;

    IClock& Clock();
    IFileSystem& Files();
    IMessageSink& Messages();
    // The HID platform: the simulated mouse with --simulate, hidapi otherwise; traced with
    // --trace.
    IHidPlatform& Hid();
    // The simulated mouse, or nullptr without --simulate.
    SimulatedQx71* Simulator();
    // Tells why a node does not open (the real /dev; unused with --simulate, whose nodes open).
    IHidNodeAccess& NodeAccess();
    // The USB devices plugged in (udev), or nullptr with --simulate: the simulated world has
    // no firmware update mode.
    IDeviceMonitor* UsbMonitor();

    // The pointer settings of the user's desktop (from the session's environment), or nullptr
    // outside a desktop session; made on first use.
    IPointerSettings* Pointer();
    // The desktop whose pointer settings Pointer() sets, for people ("GNOME", ...).
    std::string PointerDesktopName();

    // Tests put fakes in place of the system's HID platform, node check and USB monitor; call
    // before any command runs.
    void UseBackends(std::unique_ptr<IHidPlatform> hid, std::unique_ptr<IHidNodeAccess> nodes,
                     std::unique_ptr<IDeviceMonitor> monitor);
    // Where udev's rule folders are looked for ("/"; a fake tree in tests).
    std::filesystem::path systemRoot = "/";

    std::filesystem::path InstallDir();
    // DataDir (from --data-dir, QX71_DATA_DIR or the XDG folder), seeded on first use as the
    // program does at start. The first use also takes the folder's lock, held until the
    // program ends, so this call's reads, pass and saves are never mixed with another
    // program's; when another holds it past kFolderLockWait the call ends with a message.
    std::filesystem::path DataDir();

    // The interface texts for messages such as a failed save: on first use, the language
    // stored in DataDir is loaded as the program does at start.
    UiStrings& Strings();
    // Whether the language in force is Simplified Chinese (the built-in texts follow it).
    bool ChineseUi();

    // Prints `data` as one JSON object (with --json) or runs `text` to print it for people.
    void Print(const nlohmann::json& data, const std::function<void()>& text);
    // Prints one line to stderr and sets a non-zero exit code.
    void Fail(const std::string& line);

private:
    std::filesystem::path DataDirPath() const;

    std::unique_ptr<IClock> clock_;
    std::unique_ptr<IFileSystem> systemFiles_;
    // The settings files under DataDir that could not be read are never written over.
    std::unique_ptr<IFileSystem> files_;
    std::unique_ptr<IMessageSink> messages_;
    std::unique_ptr<IHidPlatform> hid_;
    std::unique_ptr<TracingHidPlatform> traced_;
    SimulatedQx71* simulator_ = nullptr;
    std::unique_ptr<IHidNodeAccess> nodeAccess_;
    std::unique_ptr<IDeviceMonitor> usbMonitor_;
    std::unique_ptr<IPointerSettings> pointer_;
    bool pointerMade_ = false;
    UiStrings strings_;
    std::unique_ptr<ITextCodec> codec_;
    std::unique_ptr<SharedMarkupDocument> markup_;
    std::unique_ptr<LanguageSelection> language_;
    std::unique_ptr<IFolderLock> folderLock_;
    bool seeded_ = false;
};

} // namespace qx71
