#include "platform/linux/X11FocusSource.h"

#include "platform/linux/XTrappedConnection.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

namespace qx71 {

namespace {

constexpr std::string_view kWaylandSession = "wayland";
// _NET_SUPPORTED lists a few dozen atoms; more than this is not a window manager's list.
constexpr long kMaxSupportedAtoms = 4096;

// One property of `window` as 32-bit items (Xlib hands them over as longs).
std::optional<std::vector<unsigned long>> ReadLongs(Display* display, Window window, Atom property,
                                                    Atom type, long maxItems)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, maxItems, False, type, &actualType,
                           &format, &count, &after, &data) != Success) {
        return std::nullopt;
    }
    std::optional<std::vector<unsigned long>> items;
    if (actualType == type && format == 32 && data != nullptr) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.emplace(values, values + count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return items;
}

} // namespace

bool IsWaylandSession(const char* sessionType, const char* waylandDisplay)
{
    if (sessionType != nullptr && std::string_view(sessionType) == kWaylandSession) {
        return true;
    }
    return waylandDisplay != nullptr && *waylandDisplay != '\0';
}

std::string ExecutableNameOf(long pid, const std::string& procRoot)
{
    if (pid <= 0) {
        return {};
    }
    const std::filesystem::path process = std::filesystem::path(procRoot) / std::to_string(pid);
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink(process / "exe", error);
    if (!error && !exe.filename().empty()) {
        // A program replaced while it runs links to "name (deleted)"; the name is still its.
        std::string name = exe.filename().string();
        constexpr std::string_view kDeleted = " (deleted)";
        if (name.ends_with(kDeleted)) {
            name.resize(name.size() - kDeleted.size());
        }
        return name;
    }
    std::ifstream comm(process / "comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

// Where posted results go. Posted tasks hold it; Stop (on the owner's thread, like the tasks)
// clears the callbacks, so a task that runs late delivers nothing.
struct X11FocusSource::Delivery {
    Callbacks callbacks;
};

class X11FocusSource::Reader {
public:
    Reader(std::unique_ptr<XTrappedConnection> connection, PostTask post,
           std::shared_ptr<Delivery> delivery)
        : connection_(std::move(connection)), display_(connection_->display),
          post_(std::move(post)), delivery_(std::move(delivery)),
          wake_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    {
        root_ = DefaultRootWindow(display_);
        activeWindow_ = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
        supported_ = XInternAtom(display_, "_NET_SUPPORTED", False);
        wmCheck_ = XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False);
        wmPid_ = XInternAtom(display_, "_NET_WM_PID", False);
    }
    ~Reader()
    {
        Stop();
        if (wake_ >= 0) {
            close(wake_);
        }
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    bool Start()
    {
        if (wake_ < 0) {
            return false;
        }
        // Selected before the first look, so no change between the two is missed.
        XSelectInput(display_, root_, PropertyChangeMask);
        XFlush(display_);
        thread_ = std::thread([this] { Run(); });
        return true;
    }

    void Stop()
    {
        if (!thread_.joinable()) {
            return;
        }
        stop_ = true;
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t written = write(wake_, &one, sizeof one);
        thread_.join();
    }

private:
    void Run()
    {
        Look();
        while (!stop_) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == DestroyNotify && event.xdestroywindow.window == wmWindow_) {
                    Look(); // the window manager ended
                    continue;
                }
                if (event.type != PropertyNotify || event.xproperty.window != root_) {
                    continue;
                }
                const Atom changed = event.xproperty.atom;
                if (changed == supported_ || changed == wmCheck_) {
                    Look();
                } else if (changed == activeWindow_ && watch_ == FocusWatch::Watching) {
                    PostActive();
                }
            }
            pollfd fds[2] = {{wake_, POLLIN, 0}, {ConnectionNumber(display_), POLLIN, 0}};
            if (poll(fds, 2, -1) < 0) {
                continue;
            }
            if ((fds[1].revents & (POLLERR | POLLHUP)) != 0) {
                // The display went away; nothing more will come.
                PostWatch(FocusWatch::NoDisplay);
                break;
            }
        }
    }

    // Whether a window manager that names the active window runs; if so, the focus now.
    void Look()
    {
        const FocusWatch watch =
            WindowManagerNamesActive() ? FocusWatch::Watching : FocusWatch::NoActiveWindow;
        if (watch != watch_) {
            watch_ = watch;
            lastActive_.reset();
            PostWatch(watch);
        }
        if (watch_ == FocusWatch::Watching) {
            PostActive();
        }
    }

    bool WindowManagerNamesActive()
    {
        const auto check = ReadLongs(display_, root_, wmCheck_, XA_WINDOW, 1);
        const auto list = ReadLongs(display_, root_, supported_, XA_ATOM, kMaxSupportedAtoms);
        connection_->trap->SyncAndTakeErrors();
        if (!check || check->empty() || check->front() == None || !list) {
            return false;
        }
        // The window manager's own window names itself while it runs; a manager that ended
        // left the root's properties behind, but not its window.
        const Window wm = check->front();
        const auto self = ReadLongs(display_, wm, wmCheck_, XA_WINDOW, 1);
        if (connection_->trap->SyncAndTakeErrors() != 0 || !self || self->empty() ||
            self->front() != wm) {
            return false;
        }
        if (wm != wmWindow_) {
            wmWindow_ = wm;
            XSelectInput(display_, wm, StructureNotifyMask);
            if (connection_->trap->SyncAndTakeErrors() != 0) {
                return false;
            }
        }
        for (const unsigned long atom : *list) {
            if (atom == activeWindow_) {
                return true;
            }
        }
        return false;
    }

    void PostActive()
    {
        const auto active = ReadLongs(display_, root_, activeWindow_, XA_WINDOW, 1);
        const Window window = active && !active->empty() ? active->front() : None;
        if (lastActive_ == window) {
            return;
        }
        lastActive_ = window;
        FocusedWindow focused;
        if (window != None) {
            XClassHint hint{};
            if (XGetClassHint(display_, window, &hint) != 0) {
                focused.instance = hint.res_name != nullptr ? hint.res_name : "";
                focused.windowClass = hint.res_class != nullptr ? hint.res_class : "";
                XFree(hint.res_name);
                XFree(hint.res_class);
            }
            const auto pid = ReadLongs(display_, window, wmPid_, XA_CARDINAL, 1);
            if (pid && !pid->empty()) {
                const long id = static_cast<long>(pid->front());
                focused.executable = ExecutableNameOf(id);
                focused.ownWindow = id == static_cast<long>(getpid());
            }
        }
        // A window gone before it was read leaves errors, and empty names.
        connection_->trap->SyncAndTakeErrors();
        post_([delivery = delivery_, focused] {
            if (delivery->callbacks.focused) {
                delivery->callbacks.focused(focused);
            }
        });
    }

    void PostWatch(FocusWatch watch)
    {
        post_([delivery = delivery_, watch] {
            if (delivery->callbacks.watch) {
                delivery->callbacks.watch(watch);
            }
        });
    }

    std::unique_ptr<XTrappedConnection> connection_;
    Display* display_;
    PostTask post_;
    std::shared_ptr<Delivery> delivery_;
    int wake_ = -1;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    Window root_ = None;
    Atom activeWindow_ = None, supported_ = None, wmCheck_ = None, wmPid_ = None;
    std::optional<FocusWatch> watch_;
    std::optional<Window> lastActive_;
    Window wmWindow_ = None;
};

X11FocusSource::X11FocusSource(PostTask post, std::string displayName)
    : post_(std::move(post)), displayName_(std::move(displayName))
{
}

X11FocusSource::~X11FocusSource()
{
    Stop();
}

void X11FocusSource::Start(Callbacks callbacks)
{
    Stop();
    delivery_ = std::make_shared<Delivery>();
    delivery_->callbacks = std::move(callbacks);
    auto tell = [this](FocusWatch watch) {
        post_([delivery = delivery_, watch] {
            if (delivery->callbacks.watch) {
                delivery->callbacks.watch(watch);
            }
        });
    };
    if (IsWaylandSession(std::getenv("XDG_SESSION_TYPE"), std::getenv("WAYLAND_DISPLAY"))) {
        tell(FocusWatch::Wayland);
        return;
    }
    std::unique_ptr<XTrappedConnection> connection = XTrappedConnection::Open(displayName_);
    if (connection == nullptr) {
        tell(FocusWatch::NoDisplay);
        return;
    }
    reader_ = std::make_unique<Reader>(std::move(connection), post_, delivery_);
    if (!reader_->Start()) {
        reader_.reset();
        tell(FocusWatch::NoDisplay);
    }
}

void X11FocusSource::Stop()
{
    reader_.reset();
    if (delivery_ != nullptr) {
        delivery_->callbacks = {};
    }
}

} // namespace qx71
