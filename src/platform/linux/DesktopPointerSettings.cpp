#include "platform/linux/DesktopPointerSettings.h"

#include "platform/linux/GSettingsPointerSettings.h"
#include "platform/linux/KdePointerSettings.h"
#include "platform/linux/X11PointerSettings.h"

#include <cstdlib>
#include <iostream>
#include <mutex>

namespace qx71 {

namespace {

std::string_view EnvText(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

// A Wayland compositor whose store is unknown keeps the settings itself: nothing is written.
class DesktopKeptPointerSettings final : public IPointerSettings {
public:
    bool SetPrecision(bool) override { return false; }
    bool SetSpeed(int) override { return false; }
    bool SetWheelLines(int) override { return false; }
    PointerSupport Supports() const override { return {}; }
};

// GSettings when GIO and the schema are there at the first call, else the X11 settings (or,
// without an X display, nothing).
class GSettingsOrX11 final : public IPointerSettings {
public:
    GSettingsOrX11(std::string schema, bool x11Display)
        : gsettings_(std::move(schema)), x11Display_(x11Display)
    {
    }
    bool SetPrecision(bool on) override { return Use().SetPrecision(on); }
    bool SetSpeed(int speed) override { return Use().SetSpeed(speed); }
    bool SetWheelLines(int lines) override { return Use().SetWheelLines(lines); }
    // GSettings and X11 keep the same two settings: no library is opened to tell.
    PointerSupport Supports() const override { return gsettings_.Supports(); }
    PointerValues Current() override { return Use().Current(); }

private:
    IPointerSettings& Use()
    {
        std::call_once(chosen_, [this] {
            std::string error;
            if (gsettings_.Open(error)) {
                use_ = &gsettings_;
                return;
            }
            std::cerr << "qx71: the desktop's pointer settings cannot be used (" << error << "); "
                      << (x11Display_ ? "the X11 ones are set instead" : "nothing is set") << '\n';
            if (x11Display_) {
                fallback_ = std::make_unique<X11PointerSettings>();
            } else {
                fallback_ = std::make_unique<DesktopKeptPointerSettings>();
            }
            use_ = fallback_.get();
        });
        return *use_;
    }

    GSettingsPointerSettings gsettings_;
    bool x11Display_;
    std::once_flag chosen_;
    std::unique_ptr<IPointerSettings> fallback_;
    IPointerSettings* use_ = nullptr;
};

// Plasma's files, with the X server's settings applied at once in an X11 session.
class KdeWithLive final : public IPointerSettings {
public:
    KdeWithLive(std::filesystem::path configHome, bool wayland, bool x11Display)
        : live_(!wayland && x11Display ? std::make_unique<X11PointerSettings>() : nullptr),
          kde_(std::move(configHome), wayland, live_.get())
    {
    }
    bool SetPrecision(bool on) override { return kde_.SetPrecision(on); }
    bool SetSpeed(int speed) override { return kde_.SetSpeed(speed); }
    bool SetWheelLines(int lines) override { return kde_.SetWheelLines(lines); }
    PointerSupport Supports() const override { return kde_.Supports(); }
    PointerValues Current() override { return kde_.Current(); }

private:
    std::unique_ptr<X11PointerSettings> live_;
    KdePointerSettings kde_;
};

} // namespace

SessionDescription SessionFromEnvironment()
{
    return {EnvText("XDG_CURRENT_DESKTOP"), EnvText("XDG_SESSION_TYPE"),
            !EnvText("DISPLAY").empty(), !EnvText("WAYLAND_DISPLAY").empty()};
}

std::unique_ptr<IPointerSettings> MakeDesktopPointerSettings(const SessionDescription& session,
                                                             std::filesystem::path configHome)
{
    switch (ChoosePointerBackend(session)) {
    case PointerBackend::Gnome:
        return std::make_unique<GSettingsOrX11>(GSettingsPointerSettings::kGnomeSchema,
                                                session.x11Display);
    case PointerBackend::Cinnamon:
        return std::make_unique<GSettingsOrX11>(GSettingsPointerSettings::kCinnamonSchema,
                                                session.x11Display);
    case PointerBackend::Kde:
        return std::make_unique<KdeWithLive>(std::move(configHome), IsWaylandSession(session),
                                             session.x11Display);
    case PointerBackend::X11:
        return std::make_unique<X11PointerSettings>();
    case PointerBackend::Desktop:
        return std::make_unique<DesktopKeptPointerSettings>();
    case PointerBackend::None:
        return nullptr;
    }
    return nullptr;
}

} // namespace qx71
