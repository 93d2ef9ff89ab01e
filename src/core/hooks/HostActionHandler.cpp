#include "core/hooks/HostActionHandler.h"

#include "core/buttons/ButtonFunction.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileRecord.h"
#include "core/config/WritePass.h"
#include "core/hooks/IHostLauncher.h"

namespace qx71 {

HostActionHandler::HostActionHandler(IHostLauncher& launcher, StatisticsSink statistics)
    : launcher_(launcher), statistics_(std::move(statistics))
{
}

bool HostActionHandler::Handle(uint32_t wParam, uint32_t lParam, const ProfileRecord& profile)
{
    if (statistics_) {
        statistics_(wParam, lParam);
    }
    const auto button = ProfileButtonOfTrigger(wParam);
    if (!button) {
        return false;
    }
    const ButtonAssignment& assignment = profile.buttons[*button];
    if (assignment.function != ToCode(ButtonFunction::HostAction)) {
        return false;
    }
    const std::u16string path = TextOf(assignment.hostPath);
    if (path.empty()) {
        return false;
    }
    // The launcher passes the path as one argument, without a shell, so no quoting is needed
    // here; the results are not reported to the user.
    switch (static_cast<HostActionKind>(assignment.hostKind)) {
    case HostActionKind::Sound:
        launcher_.PlaySound(path);
        return true;
    case HostActionKind::Program:
        launcher_.StartProgram(path);
        return true;
    case HostActionKind::File:
        launcher_.OpenFile(path);
        return true;
    case HostActionKind::Folder:
        launcher_.OpenFolder(path);
        return true;
    }
    return false;
}

} // namespace qx71
