#pragma once

#include "core/hooks/IPointerSettings.h"

#include <mutex>
#include <string>

namespace qx71 {

struct GioLibrary;

// The pointer settings GNOME keeps (and Cinnamon, under its own schema with the same keys):
// GSettings `speed` (-1..1) and `accel-profile` ('adaptive' with enhanced precision, 'flat'
// without) of the mouse schema, through GIO, so the desktop's settings daemon applies them on
// X11 and Wayland alike and they last. GNOME has no lines-per-notch setting.
class GSettingsPointerSettings final : public IPointerSettings {
public:
    static constexpr const char* kGnomeSchema = "org.gnome.desktop.peripherals.mouse";
    static constexpr const char* kCinnamonSchema = "org.cinnamon.desktop.peripherals.mouse";
    static constexpr const char* kSpeedKey = "speed";
    static constexpr const char* kProfileKey = "accel-profile";
    static constexpr const char* kAdaptive = "adaptive";
    static constexpr const char* kFlat = "flat";

    explicit GSettingsPointerSettings(std::string schemaId = kGnomeSchema);
    ~GSettingsPointerSettings() override;
    GSettingsPointerSettings(const GSettingsPointerSettings&) = delete;
    GSettingsPointerSettings& operator=(const GSettingsPointerSettings&) = delete;

    // Opens GIO and the schema (once); false with the reason when either is missing, so the
    // caller can take another back end.
    bool Open(std::string& error);

    bool SetPrecision(bool on) override;
    bool SetSpeed(int speed) override;
    bool SetWheelLines(int lines) override;
    PointerSupport Supports() const override;
    PointerValues Current() override;

private:
    bool OpenLocked(std::string& error);

    std::string schemaId_;
    std::mutex mutex_;
    const GioLibrary* gio_ = nullptr;
    void* settings_ = nullptr; // GSettings*
    bool tried_ = false;
    std::string error_;
};

} // namespace qx71
