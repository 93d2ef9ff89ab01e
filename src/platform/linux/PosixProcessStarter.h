#pragma once

#include "core/update/IProcessStarter.h"

namespace qx71 {

// Starts a program with posix_spawn: no shell, the arguments as a list, in a session of its
// own so it outlives this program. A program that cannot be executed (missing, not
// executable) is reported as not started.
class PosixProcessStarter final : public IProcessStarter {
public:
    bool Start(const std::filesystem::path& program,
               const std::vector<std::string>& arguments) override;
};

} // namespace qx71
