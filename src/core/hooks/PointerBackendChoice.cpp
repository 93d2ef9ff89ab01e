#include "core/hooks/PointerBackendChoice.h"

namespace qx71 {

namespace {

// True when `name` is one of the ':'-separated names, compared without case.
bool ListsDesktop(std::string_view list, std::string_view name)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    while (!list.empty()) {
        const size_t end = list.find(':');
        const std::string_view item = list.substr(0, end);
        if (item.size() == name.size()) {
            bool same = true;
            for (size_t i = 0; i < item.size() && same; ++i) {
                same = lower(item[i]) == lower(name[i]);
            }
            if (same) {
                return true;
            }
        }
        if (end == std::string_view::npos) {
            break;
        }
        list.remove_prefix(end + 1);
    }
    return false;
}

} // namespace

bool IsWaylandSession(const SessionDescription& session)
{
    if (!session.sessionType.empty()) {
        return session.sessionType == "wayland";
    }
    return session.waylandDisplay;
}

PointerBackend ChoosePointerBackend(const SessionDescription& session)
{
    // A desktop's store takes the settings even from a shell without a display of its own.
    const std::string_view desktop = session.currentDesktop;
    // Ubuntu ("ubuntu:GNOME"), Budgie ("Budgie:GNOME") and GNOME Flashback list GNOME too.
    if (ListsDesktop(desktop, "GNOME")) {
        return PointerBackend::Gnome;
    }
    if (ListsDesktop(desktop, "X-Cinnamon") || ListsDesktop(desktop, "Cinnamon")) {
        return PointerBackend::Cinnamon;
    }
    if (ListsDesktop(desktop, "KDE")) {
        return PointerBackend::Kde;
    }
    if (IsWaylandSession(session)) {
        return PointerBackend::Desktop;
    }
    // The X server's settings need its display.
    if (session.x11Display) {
        return PointerBackend::X11;
    }
    return PointerBackend::None;
}

PointerSupport SupportOf(PointerBackend backend)
{
    switch (backend) {
    case PointerBackend::Gnome:
    case PointerBackend::Cinnamon:
    case PointerBackend::X11:
        // Neither GNOME nor the X server has a lines-per-notch setting.
        return {true, true, false};
    case PointerBackend::Kde:
        return PointerSupport::All();
    case PointerBackend::Desktop:
    case PointerBackend::None:
        return {};
    }
    return {};
}

std::string_view PointerBackendName(PointerBackend backend)
{
    switch (backend) {
    case PointerBackend::Gnome:
        return "GNOME";
    case PointerBackend::Cinnamon:
        return "Cinnamon";
    case PointerBackend::Kde:
        return "KDE Plasma";
    case PointerBackend::X11:
        return "X11";
    case PointerBackend::Desktop:
        return "Wayland compositor";
    case PointerBackend::None:
        return "none";
    }
    return "none";
}

} // namespace qx71
