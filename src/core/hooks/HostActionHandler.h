#pragma once

#include <cstdint>
#include <functional>

namespace qx71 {

class IHostLauncher;
struct ProfileRecord;

// Kinds of the actions a button can have the PC carry out.
enum class HostActionKind : uint32_t {
    Sound = 0xC0,
    Program = 0xD0,
    File = 0xE0,
    Folder = 0xF0,
};

// The main window's handler of the hooks' mouse message: every event goes on to the
// statistics, and the trigger of a button set to an action on the PC runs that action.
class HostActionHandler {
public:
    using StatisticsSink = std::function<void(uint32_t wParam, uint32_t lParam)>;

    HostActionHandler(IHostLauncher& launcher, StatisticsSink statistics);

    // Returns true when an action was started.
    bool Handle(uint32_t wParam, uint32_t lParam, const ProfileRecord& profile);

private:
    IHostLauncher& launcher_;
    StatisticsSink statistics_;
};

} // namespace qx71
