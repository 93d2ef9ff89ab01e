#pragma once

#include "core/hooks/IPointerSettings.h"

#include <filesystem>
#include <functional>
#include <mutex>
#include <string>

namespace qx71 {

// The pointer settings KDE Plasma keeps, in the files its own mouse settings write, followed
// by the signal its settings page sends so that running programs reload them:
// - kcminputrc [Mouse] XLbInptPointerAcceleration (-1..1) and XLbInptAccelProfileFlat: what
//   Plasma applies to libinput devices on X11 at login;
// - kcminputrc [Libinput][Defaults][Pointer] PointerAcceleration and
//   PointerAccelerationProfile (1 flat, 2 adaptive): KWin's defaults for pointers on Wayland,
//   and the same keys in every per-device group [Libinput][vendor][product][name] that
//   already holds them (a device the user set in Plasma's page overrides the defaults);
// - kdeglobals [KDE] WheelScrollLines, which Qt and KDE programs read; "one screen" is a count
//   past any page, as Qt never scrolls more than a page per notch;
// - then org.kde.KGlobalSettings.notifyChange(SettingsChanged, SETTINGS_MOUSE) on
//   /KGlobalSettings, on which KWin and Plasma's programs reread them.
// In an X11 session `live` (the X server's settings) also takes speed and precision at once,
// as Plasma's page does.
class KdePointerSettings final : public IPointerSettings {
public:
    using Log = std::function<void(const std::string&)>;

    static constexpr int kNotifySettingsChanged = 3;
    static constexpr int kNotifyMouseCategory = 0;
    static constexpr int kFlatProfile = 1;
    static constexpr int kAdaptiveProfile = 2;
    static constexpr int kOneScreenLines = 100;
    static constexpr int kDefaultWheelLines = 3;

    // `configDir`: $XDG_CONFIG_HOME. `live`: null outside X11. `log` empty: standard error.
    KdePointerSettings(std::filesystem::path configDir, bool waylandSession,
                       IPointerSettings* live = nullptr, Log log = {});

    bool SetPrecision(bool on) override;
    bool SetSpeed(int speed) override;
    bool SetWheelLines(int lines) override;
    PointerSupport Supports() const override;
    PointerValues Current() override;

private:
    // Sets the pointer key in [Mouse] and in KWin's groups of kcminputrc.
    bool WritePointerKeys(const std::string& mouseKey, const std::string& mouseValue,
                          const std::string& libinputKey, const std::string& libinputValue);
    bool Notify();

    std::filesystem::path configDir_;
    bool wayland_;
    IPointerSettings* live_;
    Log log_;
    std::mutex mutex_;
    bool busLogged_ = false;
};

} // namespace qx71
