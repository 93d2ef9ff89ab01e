#pragma once

#include "core/hooks/IHostLauncher.h"
#include "platform/qt/SoundModule.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace qx71 {

// Host actions with what Qt offers on every desktop: the sound module (Qt Multimedia's sound
// effect, opened at the first sound) for sounds, a detached process (no shell in between) for
// programs, the desktop's default handler for files and folders. Lives on a thread with an
// event loop (the window's).
class QtHostLauncher final : public IHostLauncher {
public:
    // The module's file in InstallDir.
    static constexpr const char* kSoundModuleFile = "libqx71sound.so";

    // `soundModule`: the module's path. `log` takes the one line that says why no sound can be
    // played; standard error by default.
    explicit QtHostLauncher(std::filesystem::path soundModule,
                            std::function<void(const std::string&)> log = {});
    ~QtHostLauncher() override;
    QtHostLauncher(const QtHostLauncher&) = delete;
    QtHostLauncher& operator=(const QtHostLauncher&) = delete;

    // False when the file is missing or the sound module cannot be opened (said once through
    // the log); a machine without sound output plays nothing and that is no error.
    bool PlaySound(const std::u16string& path) override;
    bool StartProgram(const std::u16string& path) override;
    bool OpenFile(const std::u16string& path) override;
    bool OpenFolder(const std::u16string& path) override;

    // Whether the last sound has finished loading (or failed to); Qt loads it on a thread of
    // its own, which must not be cut off by destroying the launcher at that moment.
    bool SoundSettled() const;

private:
    bool OpenSoundModule();

    std::filesystem::path soundModuleFile_;
    std::function<void(const std::string&)> log_;
    // Set once the module was tried: whether it opened.
    std::optional<bool> soundModuleOpen_;
    SoundModule sound_;
    Qx71SoundPlayer* player_ = nullptr;
};

} // namespace qx71
