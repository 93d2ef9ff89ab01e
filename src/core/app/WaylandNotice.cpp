#include "core/app/WaylandNotice.h"

#include "core/common/IFileSystem.h"
#include "core/common/IMessageSink.h"

#include <cstdint>
#include <vector>

namespace qx71 {

WaylandNoticeOutcome ShowWaylandNoticeOnce(bool waylandSession, IFileSystem& files,
                                           const std::filesystem::path& dataDir,
                                           IMessageSink& messages, bool chinese)
{
    if (!waylandSession || files.Exists(dataDir / kWaylandNoticeMarker)) {
        return WaylandNoticeOutcome::NotShown;
    }
    static constexpr std::string_view kMarkerText = "shown\n";
    const std::vector<uint8_t> marker(kMarkerText.begin(), kMarkerText.end());
    const bool remembered =
        files.WriteFileAtomic(dataDir / kWaylandNoticeMarker, marker) == FileError::None;
    messages.Show({MessageKind::SystemBox, std::u16string(kWaylandNoticeCaption.In(chinese)),
                   std::u16string(kWaylandNoticeText.In(chinese))});
    return remembered ? WaylandNoticeOutcome::Shown : WaylandNoticeOutcome::ShownNotRemembered;
}

std::string SessionTypeName(const SessionDescription& session)
{
    if (IsWaylandSession(session)) {
        return "wayland";
    }
    if (!session.sessionType.empty()) {
        return std::string(session.sessionType);
    }
    return session.x11Display ? "x11" : "none";
}

std::string SessionReport(const SessionDescription& session)
{
    const std::string type = SessionTypeName(session);
    if (type == "wayland") {
        return "Session: wayland. The window runs through XWayland, and its input hooks see "
               "only X11 windows: the statistics, the button functions that run on the computer "
               "(sound, program, file, folder) and key capture outside the window miss Wayland "
               "windows. Everything the mouse itself does works fully.\n";
    }
    if (type == "x11") {
        return "Session: x11. The input hooks see every window.\n";
    }
    return "Session: " + type + ". Without a display the window cannot start.\n";
}

} // namespace qx71
