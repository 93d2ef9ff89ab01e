#pragma once

#include "core/hooks/IHostLauncher.h"
#include "core/update/IProcessStarter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qx71 {

// A launcher that starts and plays nothing: the window's tests never reach the desktop.
class NoLauncher final : public IHostLauncher {
public:
    bool PlaySound(const std::u16string&) override { return false; }
    bool StartProgram(const std::u16string&) override { return false; }
    bool OpenFile(const std::u16string&) override { return false; }
    bool OpenFolder(const std::u16string&) override { return false; }
};

// A process starter that starts nothing (the updater's hand-over).
class NoStarter final : public IProcessStarter {
public:
    bool Start(const std::filesystem::path&, const std::vector<std::string>&) override
    {
        return false;
    }
};

} // namespace qx71
