#include "platform/linux/KdePointerSettings.h"

#include "core/hooks/DesktopPointerSpeed.h"
#include "platform/linux/DBusLibrary.h"
#include "platform/linux/KConfigFile.h"

#include <charconv>
#include <iostream>

namespace qx71 {

namespace {

constexpr const char* kInputFile = "kcminputrc";
constexpr const char* kGlobalsFile = "kdeglobals";
constexpr const char* kMouseGroup = "Mouse";
constexpr const char* kLibinputGroup = "Libinput";
constexpr const char* kX11Speed = "XLbInptPointerAcceleration";
constexpr const char* kX11Flat = "XLbInptAccelProfileFlat";
constexpr const char* kWaylandSpeed = "PointerAcceleration";
constexpr const char* kWaylandProfile = "PointerAccelerationProfile";
constexpr const char* kWheelGroup = "KDE";
constexpr const char* kWheelKey = "WheelScrollLines";
constexpr const char* kNotifyPath = "/KGlobalSettings";
constexpr const char* kNotifyInterface = "org.kde.KGlobalSettings";
constexpr const char* kNotifyMember = "notifyChange";
// [Libinput][vendor][product][name]
constexpr size_t kDeviceGroupDepth = 4;

const KConfigFile::Group kDefaultsGroup{kLibinputGroup, "Defaults", "Pointer"};

std::string NumberText(double value)
{
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    return std::string(text, result.ptr);
}

std::optional<double> ParseNumber(const std::optional<std::string>& text)
{
    if (!text) {
        return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(text->data(), text->data() + text->size(), value);
    if (result.ec != std::errc() || result.ptr != text->data() + text->size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

KdePointerSettings::KdePointerSettings(std::filesystem::path configDir, bool waylandSession,
                                       IPointerSettings* live, Log log)
    : configDir_(std::move(configDir)), wayland_(waylandSession), live_(live), log_(std::move(log))
{
    if (!log_) {
        log_ = [](const std::string& line) { std::cerr << "qx71: " << line << '\n'; };
    }
}

bool KdePointerSettings::WritePointerKeys(const std::string& mouseKey,
                                          const std::string& mouseValue,
                                          const std::string& libinputKey,
                                          const std::string& libinputValue)
{
    KConfigFile file;
    std::string error;
    if (!file.Load(configDir_ / kInputFile, error)) {
        log_(error);
        return false;
    }
    file.Set({kMouseGroup}, mouseKey, mouseValue);
    file.Set(kDefaultsGroup, libinputKey, libinputValue);
    for (const KConfigFile::Group& device : file.GroupsUnder({kLibinputGroup}, kDeviceGroupDepth)) {
        if (device != kDefaultsGroup && file.Get(device, libinputKey)) {
            file.Set(device, libinputKey, libinputValue);
        }
    }
    if (!file.Save(error)) {
        log_(error);
        return false;
    }
    return true;
}

bool KdePointerSettings::Notify()
{
    std::string error;
    if (SendSessionSignal(kNotifyPath, kNotifyInterface, kNotifyMember, kNotifySettingsChanged,
                          kNotifyMouseCategory, error)) {
        return true;
    }
    // The files are written: Plasma reads them at the next login even without the signal.
    if (!busLogged_) {
        busLogged_ = true;
        log_("Plasma was not told to reload the pointer settings (" + error +
             "); they take effect at the next login");
    }
    return false;
}

bool KdePointerSettings::SetPrecision(bool on)
{
    std::lock_guard lock(mutex_);
    const bool written = WritePointerKeys(kX11Flat, on ? "false" : "true", kWaylandProfile,
                                          std::to_string(on ? kAdaptiveProfile : kFlatProfile));
    if (written) {
        Notify();
    }
    const bool applied = live_ == nullptr || live_->SetPrecision(on);
    return written && applied;
}

bool KdePointerSettings::SetSpeed(int speed)
{
    if (speed < kMinSpeed || speed > kMaxSpeed) {
        return false;
    }
    std::lock_guard lock(mutex_);
    const std::string value = NumberText(DesktopSpeedOf(speed));
    const bool written = WritePointerKeys(kX11Speed, value, kWaylandSpeed, value);
    if (written) {
        Notify();
    }
    const bool applied = live_ == nullptr || live_->SetSpeed(speed);
    return written && applied;
}

bool KdePointerSettings::SetWheelLines(int lines)
{
    std::lock_guard lock(mutex_);
    KConfigFile file;
    std::string error;
    if (!file.Load(configDir_ / kGlobalsFile, error)) {
        log_(error);
        return false;
    }
    file.Set({kWheelGroup}, kWheelKey,
             std::to_string(lines == kWheelOneScreen ? kOneScreenLines : lines));
    if (!file.Save(error)) {
        log_(error);
        return false;
    }
    Notify();
    return true;
}

PointerSupport KdePointerSettings::Supports() const
{
    return PointerSupport::All();
}

PointerValues KdePointerSettings::Current()
{
    std::lock_guard lock(mutex_);
    PointerValues values;
    KConfigFile input;
    KConfigFile globals;
    std::string error;
    if (input.Load(configDir_ / kInputFile, error)) {
        const KConfigFile::Group group =
            wayland_ ? kDefaultsGroup : KConfigFile::Group{kMouseGroup};
        if (const auto speed =
                ParseNumber(input.Get(group, wayland_ ? kWaylandSpeed : kX11Speed))) {
            values.speed = SpeedOfDesktop(*speed);
        }
        if (wayland_) {
            if (const auto profile = ParseNumber(input.Get(group, kWaylandProfile))) {
                if (*profile == kAdaptiveProfile || *profile == kFlatProfile) {
                    values.precision = *profile == kAdaptiveProfile;
                }
            }
        } else if (const auto flat = input.Get(group, kX11Flat)) {
            values.precision = *flat != "true";
        }
    }
    if (globals.Load(configDir_ / kGlobalsFile, error)) {
        const auto lines = ParseNumber(globals.Get({kWheelGroup}, kWheelKey));
        const int count = lines ? static_cast<int>(*lines) : kDefaultWheelLines;
        values.wheelLines = count >= kOneScreenLines ? kWheelOneScreen : count;
    }
    return values;
}

} // namespace qx71
