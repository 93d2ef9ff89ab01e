#include "platform/linux/X11InputHooks.h"

#include "platform/linux/X11ButtonMap.h"
#include "platform/linux/X11KeyMap.h"
#include "platform/linux/XErrorTrap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <bitset>
#include <set>

namespace qx71 {

namespace {

// Raw events reach every client that selects them even while another client holds a grab
// from XInput 2.1 on.
constexpr int kXiMajor = 2;
constexpr int kXiMinor = 2;
constexpr int kKeycodes = 256;

// The buttons of a trigger list; false in `allKnown` when a code has no button.
std::set<unsigned> ButtonsOf(const std::vector<uint32_t>& codes, bool& allKnown)
{
    std::set<unsigned> buttons;
    allKnown = true;
    for (uint32_t code : codes) {
        if (auto button = ButtonOfTrigger(code)) {
            buttons.insert(*button);
        } else {
            allKnown = false;
        }
    }
    return buttons;
}

} // namespace

// Where posted events go. Posted tasks hold it; Uninstall (on the owner's thread, like the
// tasks) clears the sink, so a task that runs late delivers nothing.
struct X11InputHooks::Delivery {
    IInputEventSink* sink = nullptr;
};

class X11InputHooks::Reader {
public:
    Reader(X11InputHooks& owner, Display* display, Display* holder)
        : owner_(owner), connection_(display), holderConnection_(holder), display_(display),
          holder_(holder), trap_(display), holderTrap_(holder),
          wake_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    {
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

    // Selects the raw events; true when mouse and keyboard are both observed.
    bool Observe()
    {
        int event = 0;
        int error = 0;
        if (!XQueryExtension(display_, "XInputExtension", &xiOpcode_, &event, &error)) {
            return false;
        }
        int major = kXiMajor;
        int minor = kXiMinor;
        if (XIQueryVersion(display_, &major, &minor) != Success) {
            return false;
        }
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawButtonPress);
        XISetMask(bits, XI_RawButtonRelease);
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof(bits)), bits};
        XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);

        int xkbOpcode = 0;
        int xkbError = 0;
        int xkbMajor = XkbMajorVersion;
        int xkbMinor = XkbMinorVersion;
        if (XkbQueryExtension(display_, &xkbOpcode, &xkbEvent_, &xkbError, &xkbMajor, &xkbMinor)) {
            XkbSelectEventDetails(display_, XkbUseCoreKbd, XkbStateNotify, XkbModifierLockMask,
                                  XkbModifierLockMask);
            XkbStateRec state{};
            if (XkbGetState(display_, XkbUseCoreKbd, &state) == Success) {
                lockedMods_ = state.locked_mods;
            }
            numLockMask_ = XkbKeysymToModifiers(display_, XK_Num_Lock);
        } else {
            xkbEvent_ = -1;
        }
        return trap_.SyncAndTakeErrors() == 0;
    }

    // Holds exactly the buttons of `codes`; false when a code has no button or the server
    // refused a grab.
    bool Apply(const std::vector<uint32_t>& codes)
    {
        bool ok = true;
        const std::set<unsigned> wanted = ButtonsOf(codes, ok);
        const Window root = DefaultRootWindow(holder_);
        for (unsigned button : grabbed_) {
            if (!wanted.contains(button)) {
                XUngrabButton(holder_, button, AnyModifier, root);
            }
        }
        holderTrap_.SyncAndTakeErrors();
        std::set<unsigned> held;
        for (unsigned button : wanted) {
            if (grabbed_.contains(button)) {
                held.insert(button);
                continue;
            }
            XGrabButton(holder_, button, AnyModifier, root, False,
                        ButtonPressMask | ButtonReleaseMask, GrabModeAsync, GrabModeAsync, None,
                        None);
            // One at a time, so a refusal names its button.
            if (holderTrap_.SyncAndTakeErrors() == 0) {
                held.insert(button);
            } else {
                ok = false;
            }
        }
        grabbed_ = std::move(held);
        return ok;
    }

    bool Start()
    {
        if (wake_ < 0) {
            return false;
        }
        thread_ = std::thread([this] { Run(); });
        return true;
    }

    void Stop()
    {
        if (!thread_.joinable()) {
            return;
        }
        stop_ = true;
        Wake();
        thread_.join();
    }

    void Wake()
    {
        const uint64_t one = 1;
        // A full counter already means a pending wake.
        [[maybe_unused]] ssize_t written = write(wake_, &one, sizeof one);
    }

private:
    void Run()
    {
        while (!stop_) {
            ApplyRequested();
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                Handle(event);
            }
            // The holder's events are the held buttons' own: dropping them is the swallowing.
            while (XPending(holder_) > 0) {
                XEvent event;
                XNextEvent(holder_, &event);
            }
            pollfd fds[3] = {{wake_, POLLIN, 0},
                             {ConnectionNumber(display_), POLLIN, 0},
                             {ConnectionNumber(holder_), POLLIN, 0}};
            if (poll(fds, 3, -1) < 0) {
                continue;
            }
            if ((fds[0].revents & POLLIN) != 0) {
                uint64_t count = 0;
                [[maybe_unused]] ssize_t got = read(wake_, &count, sizeof count);
            }
            if (((fds[1].revents | fds[2].revents) & (POLLERR | POLLHUP)) != 0) {
                // The display went away; nothing more will come.
                break;
            }
        }
        // Answer a caller still waiting for a trigger change.
        std::lock_guard lock(owner_.mutex_);
        owner_.readerRunning_ = false;
        owner_.applied_.notify_all();
    }

    void ApplyRequested()
    {
        std::vector<uint32_t> codes;
        uint64_t version = 0;
        {
            std::lock_guard lock(owner_.mutex_);
            if (owner_.requested_ == owner_.answered_) {
                return;
            }
            codes = owner_.triggers_;
            version = owner_.requested_;
        }
        const bool ok = Apply(codes);
        std::lock_guard lock(owner_.mutex_);
        owner_.answered_ = version;
        owner_.answer_ = ok;
        owner_.applied_.notify_all();
    }

    void Handle(XEvent& event)
    {
        if (xkbEvent_ >= 0 && event.type == xkbEvent_) {
            const auto& xkb = reinterpret_cast<const XkbEvent&>(event);
            if (xkb.any.xkb_type == XkbStateNotify) {
                lockedMods_ = xkb.state.locked_mods;
            }
            return;
        }
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
            return;
        }
        if (event.type != GenericEvent || event.xcookie.extension != xiOpcode_) {
            return;
        }
        if (!XGetEventData(display_, &event.xcookie)) {
            return;
        }
        const auto* raw = static_cast<const XIRawEvent*>(event.xcookie.data);
        switch (event.xcookie.evtype) {
        case XI_RawButtonPress:
        case XI_RawButtonRelease:
            if (auto input = MouseInputFromButton(static_cast<unsigned>(raw->detail),
                                                  event.xcookie.evtype == XI_RawButtonPress)) {
                PostMouse(*input);
            }
            break;
        case XI_RawKeyPress:
        case XI_RawKeyRelease:
            OnKey(raw->detail, event.xcookie.evtype == XI_RawKeyPress);
            break;
        default:
            break;
        }
        XFreeEventData(display_, &event.xcookie);
    }

    // The virtual key of a keycode as the first layout gives it without modifiers (so letters
    // do not depend on Shift or Caps Lock), with Num Lock for the keypad; keys whose plain
    // level has no virtual key (digits on some layouts) are tried shifted.
    std::optional<VirtualKey> KeyOf(int keycode)
    {
        const unsigned numLock = lockedMods_ & numLockMask_;
        for (unsigned mods : {numLock, numLock | ShiftMask}) {
            KeySym keysym = NoSymbol;
            unsigned consumed = 0;
            if (XkbLookupKeySym(display_, static_cast<KeyCode>(keycode), mods, &consumed,
                                &keysym) &&
                keysym != NoSymbol) {
                if (auto key = VirtualKeyFromKeysym(keysym)) {
                    return key;
                }
            }
        }
        return std::nullopt;
    }

    void OnKey(int keycode, bool pressed)
    {
        if (keycode < 0 || keycode >= kKeycodes) {
            return;
        }
        auto key = KeyOf(keycode);
        if (!key) {
            return;
        }
        constexpr uint8_t kVkLeftAlt = 0xA4;
        constexpr uint8_t kVkRightAlt = 0xA5;
        if (key->code == kVkLeftAlt || key->code == kVkRightAlt) {
            altKeys_.set(static_cast<size_t>(keycode), pressed);
        }
        uint32_t flags = 0;
        if (key->extended) {
            flags |= KeyFlag::kExtended;
        }
        if (altKeys_.any()) {
            flags |= KeyFlag::kAltDown;
        }
        if (!pressed) {
            flags |= KeyFlag::kReleased;
        }
        PostKey(KeyInput{key->code, flags});
    }

    void PostMouse(const MouseInput& input)
    {
        owner_.post_([delivery = delivery, input] {
            if (delivery->sink != nullptr) {
                delivery->sink->OnMouseInput(input);
            }
        });
    }

    void PostKey(const KeyInput& input)
    {
        owner_.post_([delivery = delivery, input] {
            if (delivery->sink != nullptr) {
                delivery->sink->OnKeyInput(input);
            }
        });
    }

public:
    std::shared_ptr<Delivery> delivery;

private:
    struct CloseDisplay {
        void operator()(Display* display) const { XCloseDisplay(display); }
    };

    X11InputHooks& owner_;
    // Closed last: closing ends the connections' grabs and selections.
    std::unique_ptr<Display, CloseDisplay> connection_;
    std::unique_ptr<Display, CloseDisplay> holderConnection_;
    // Raw events reach every client but the one holding a grab, so the observer and the holder
    // of the trigger buttons are two connections.
    Display* display_;
    Display* holder_;
    XErrorTrap trap_;
    XErrorTrap holderTrap_;
    int wake_ = -1;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    int xiOpcode_ = 0;
    int xkbEvent_ = -1;
    unsigned lockedMods_ = 0;
    unsigned numLockMask_ = 0;
    std::bitset<kKeycodes> altKeys_;
    std::set<unsigned> grabbed_;
};

X11InputHooks::X11InputHooks(PostTask post, std::string displayName)
    : post_(std::move(post)), displayName_(std::move(displayName))
{
}

X11InputHooks::~X11InputHooks()
{
    Uninstall();
}

bool X11InputHooks::IsInstalled() const
{
    return reader_ != nullptr;
}

bool X11InputHooks::Install(IInputEventSink& sink)
{
    Uninstall();
    const char* name = displayName_.empty() ? nullptr : displayName_.c_str();
    Display* display = XOpenDisplay(name);
    if (display == nullptr) {
        return false;
    }
    Display* holder = XOpenDisplay(name);
    if (holder == nullptr) {
        XCloseDisplay(display);
        return false;
    }
    auto reader = std::make_unique<Reader>(*this, display, holder);
    if (!reader->Observe()) {
        return false;
    }
    std::vector<uint32_t> codes;
    {
        std::lock_guard lock(mutex_);
        codes = triggers_;
    }
    // Held before Install returns, so no trigger press slips through at the start.
    const bool held = reader->Apply(codes);
    reader->delivery = std::make_shared<Delivery>();
    reader->delivery->sink = &sink;
    delivery_ = reader->delivery;
    reader_ = std::move(reader);
    {
        std::lock_guard lock(mutex_);
        if (triggers_ == codes) {
            answered_ = requested_;
            answer_ = held;
        } else {
            // Changed meanwhile: the reader applies the newer list first.
            ++requested_;
        }
        readerRunning_ = true;
    }
    if (!reader_->Start()) {
        {
            std::lock_guard lock(mutex_);
            readerRunning_ = false;
            applied_.notify_all();
        }
        delivery_.reset();
        reader_.reset();
        return false;
    }
    return true;
}

void X11InputHooks::Uninstall()
{
    if (!reader_) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        readerRunning_ = false;
        applied_.notify_all();
    }
    reader_->Stop();
    delivery_->sink = nullptr;
    delivery_.reset();
    reader_.reset();
}

bool X11InputHooks::SetSwallowedTriggers(const std::vector<uint32_t>& codes)
{
    bool allKnown = true;
    ButtonsOf(codes, allKnown);
    std::unique_lock lock(mutex_);
    triggers_ = codes;
    const uint64_t version = ++requested_;
    if (!readerRunning_) {
        // Kept for the next Install.
        return allKnown;
    }
    reader_->Wake();
    applied_.wait(lock, [&] { return answered_ >= version || !readerRunning_; });
    return answered_ >= version ? answer_ : allKnown;
}

} // namespace qx71
