#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qx71 {

// Starts a separate program without a shell, with its arguments as a list, and does not wait
// for it. True when the program was started.
class IProcessStarter {
public:
    virtual ~IProcessStarter() = default;
    virtual bool Start(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments) = 0;
};

} // namespace qx71
