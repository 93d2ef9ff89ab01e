#pragma once

#include "core/hooks/IHostLauncher.h"

#include <memory>

class QSoundEffect;

namespace qx71 {

// Host actions with what Qt offers on every desktop: Qt Multimedia's sound effect for sounds
// (WAV files, as the Windows call plays; no media pipeline that could be missing), a detached
// process (no shell in between) for programs, the desktop's default handler for files and
// folders. Lives on a thread with an event loop (the window's).
class QtHostLauncher final : public IHostLauncher {
public:
    QtHostLauncher();
    ~QtHostLauncher() override;
    QtHostLauncher(const QtHostLauncher&) = delete;
    QtHostLauncher& operator=(const QtHostLauncher&) = delete;

    // False only when the file is missing; a machine without sound output plays nothing and
    // that is no error.
    bool PlaySound(const std::u16string& path) override;
    bool StartProgram(const std::u16string& path) override;
    bool OpenFile(const std::u16string& path) override;
    bool OpenFolder(const std::u16string& path) override;

    // Whether the last sound has finished loading (or failed to); Qt loads it on a thread of
    // its own, which must not be cut off by destroying the launcher at that moment.
    bool SoundSettled() const;

private:
    std::unique_ptr<QSoundEffect> sound_;
};

} // namespace qx71
