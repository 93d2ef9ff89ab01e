#pragma once

#include "core/common/PostTask.h"
#include "core/focus/IFocusSource.h"

#include <memory>
#include <string>
#include <string_view>
#include <thread>

namespace qx71 {

// Whether the session is a Wayland one (its windows are not X11's to watch), from the values
// of XDG_SESSION_TYPE and WAYLAND_DISPLAY.
bool IsWaylandSession(const char* sessionType, const char* waylandDisplay);

// The executable's file name of process `pid` from /proc under `procRoot`: the target of its
// "exe" link, or its "comm" name when the link may not be read (another user's process).
// Empty when neither is there.
std::string ExecutableNameOf(long pid, const std::string& procRoot = "/proc");

// The focus on an X11 desktop: a thread with its own connection waits for property changes
// of the root window and reads _NET_ACTIVE_WINDOW when the window manager changes it (never
// polling), then the window's WM_CLASS and, through _NET_WM_PID and /proc, its executable.
class X11FocusSource final : public IFocusSource {
public:
    // `displayName` empty: the display of $DISPLAY.
    explicit X11FocusSource(PostTask post, std::string displayName = {});
    ~X11FocusSource() override;
    X11FocusSource(const X11FocusSource&) = delete;
    X11FocusSource& operator=(const X11FocusSource&) = delete;

    void Start(Callbacks callbacks) override;
    void Stop() override;

private:
    struct Delivery;
    class Reader;

    PostTask post_;
    std::string displayName_;
    std::shared_ptr<Delivery> delivery_;
    std::unique_ptr<Reader> reader_;
};

} // namespace qx71
