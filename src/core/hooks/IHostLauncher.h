#pragma once

#include <string>

namespace qx71 {

// The button actions the program carries out on the PC. Paths are as stored in the profile.
// None waits for the sound, program or document; each reports whether it could be started.
class IHostLauncher {
public:
    virtual ~IHostLauncher() = default;
    // Plays a sound file in the background; a new call restarts the sound.
    virtual bool PlaySound(const std::u16string& path) = 0;
    // Starts a program, without a shell, detached from this one.
    virtual bool StartProgram(const std::u16string& path) = 0;
    // Opens a file or a folder with the desktop's default handler.
    virtual bool OpenFile(const std::u16string& path) = 0;
    virtual bool OpenFolder(const std::u16string& path) = 0;
};

} // namespace qx71
