#pragma once

#include "core/hooks/IHostLauncher.h"

namespace qx71 {

// The button actions on Windows: PlaySoundW for sounds (asynchronous, from a file) and the
// shell's "open" (ShellExecuteW, no parameters, no working folder, a normal window) for
// programs, files and folders. File and folder paths with a space go to the shell in double
// quotes; a program's path goes unchanged.
class WinHostLauncher final : public IHostLauncher {
public:
    bool PlaySound(const std::u16string& path) override;
    bool StartProgram(const std::u16string& path) override;
    bool OpenFile(const std::u16string& path) override;
    bool OpenFolder(const std::u16string& path) override;
};

} // namespace qx71
