#pragma once

#include "core/common/BilingualText.h"
#include "core/hooks/PointerBackendChoice.h"

#include <filesystem>
#include <string>

namespace qx71 {

class IFileSystem;
class IMessageSink;

// In a Wayland session the window runs through XWayland, and the global input hooks see only
// X11 windows. The window says so once, at its first start in such a session; a marker file
// in DataDir remembers that it did.
inline constexpr const char* kWaylandNoticeMarker = "WaylandNotice.shown";

inline constexpr BilingualText kWaylandNoticeCaption{u"Wayland", u"Wayland"};
inline constexpr BilingualText kWaylandNoticeText{
    u"此会话使用 Wayland，本程序通过 XWayland 运行。它的输入钩子只能看到 X11 窗口，"
    u"因此在 Wayland 窗口中，统计、在电脑上执行的按键功能（声音、程序、文件、文件夹）以及本窗口"
    u"之外的按键捕获不起作用。鼠标本身的所有功能完全可用，本窗口内的按键捕获也可用。",
    u"This session runs on Wayland, and the program through XWayland. Its input hooks see only "
    u"X11 windows, so in Wayland windows the statistics, the button functions that run on the "
    u"computer (sound, program, file, folder) and key capture outside this window do not work. "
    u"Everything the mouse itself does works fully, and so does key capture inside this "
    u"window."};

enum class WaylandNoticeOutcome {
    NotShown,          // not a Wayland session, or shown before
    Shown,             // shown, and remembered
    ShownNotRemembered // shown, but the marker could not be written: it shows at the next start
};

// Shows the notice in a Wayland session when it was never shown for this DataDir. The marker
// is written first, so a crash in the box cannot bring it back at every start.
WaylandNoticeOutcome ShowWaylandNoticeOnce(bool waylandSession, IFileSystem& files,
                                           const std::filesystem::path& dataDir,
                                           IMessageSink& messages, bool chinese);

// The session and the hooks' reach, for `qx71ctl devices`: one or more whole lines.
std::string SessionReport(const SessionDescription& session);
// "wayland", "x11", "none" and the like.
std::string SessionTypeName(const SessionDescription& session);

} // namespace qx71
