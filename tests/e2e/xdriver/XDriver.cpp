// qx71_xdriver: drives and watches the window program under a private X server for the
// end-to-end tests, the screenshots and the start-up benchmark. XTest input, window lookup by
// title, PNG grabs.
//
//   wait-window TITLE [SECONDS]   prints "x y width height" once a window of that title shows
//   wait-gone TITLE [SECONDS]     waits until no window of that title shows
//   viewable TITLE                exit status 0 when a window of that title shows
//   click TITLE X Y [BUTTON]      clicks at X,Y inside the window
//   move TITLE X Y                moves the pointer to X,Y inside the window
//   key TITLE COMBO               focuses the window and types COMBO ("alt+F4", "Return")
//   type TITLE TEXT               focuses the window and types the ASCII TEXT
//   press COMBO                   types COMBO to whatever has the keyboard (an open menu)
//   wait-tray [SECONDS]           waits until a notification area owns the tray selection
//   click-tray [BUTTON]           clicks the first icon docked in the notification area (in
//                                 the selection owner, or in the panel titled "tint2")
//   shot TITLE FILE               the window as a PNG
//   shot-screen FILE              the whole screen as a PNG
//   window TITLE CLASS [X Y]      runs a plain top-level window (until killed) with that title,
//                                 WM_CLASS ("title", CLASS), _NET_WM_PID and the input hint,
//                                 so the window manager gives it the focus
//   activate TITLE...             asks the window manager to activate each window in turn,
//                                 each once it is the active one, and prints the time all took
//                                 in milliseconds
//   tray-host                     runs a notification area (until killed): owns the tray
//                                 selection and shows the docked icons in a window titled
//                                 "qx71-tray" at the screen's bottom left
// Qt before Xlib: Xlib's macros (Status, None, ...) break Qt's headers.
#include <QImage>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kDefaultWaitSeconds = 20;
constexpr auto kPoll = std::chrono::milliseconds(20);

struct Found {
    Window window;
    int x, y, width, height;
};

std::string TitleOf(Display* display, Window window)
{
    static const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        title = name;
        XFree(name);
    }
    return title;
}

void Collect(Display* display, Window window, const std::string& title, std::vector<Found>& out)
{
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) != 0 &&
        attributes.map_state == IsViewable && TitleOf(display, window) == title) {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
        out.push_back({window, x, y, attributes.width, attributes.height});
    }
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) != 0) {
        for (unsigned i = 0; i < count; ++i) {
            Collect(display, children[i], title, out);
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
}

std::optional<Found> FindWindow(Display* display, const std::string& title)
{
    std::vector<Found> found;
    Collect(display, DefaultRootWindow(display), title, found);
    if (found.empty()) {
        return std::nullopt;
    }
    return found.front();
}

std::optional<Found> WaitWindow(Display* display, const std::string& title, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (true) {
        if (auto found = FindWindow(display, title)) {
            return found;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(kPoll);
    }
}

void MoveTo(Display* display, int x, int y)
{
    XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
    XSync(display, False);
}

void Click(Display* display, unsigned button)
{
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XSync(display, False);
}

bool TypeCombo(Display* display, const std::string& combo)
{
    std::vector<KeyCode> codes;
    size_t start = 0;
    while (start <= combo.size()) {
        const size_t plus = combo.find('+', start);
        std::string part =
            combo.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
        if (part == "alt") {
            part = "Alt_L";
        } else if (part == "ctrl") {
            part = "Control_L";
        } else if (part == "shift") {
            part = "Shift_L";
        }
        const KeySym sym = XStringToKeysym(part.c_str());
        if (sym == NoSymbol) {
            std::fprintf(stderr, "xdriver: unknown key %s\n", part.c_str());
            return false;
        }
        codes.push_back(XKeysymToKeycode(display, sym));
        if (plus == std::string::npos) {
            break;
        }
        start = plus + 1;
    }
    for (KeyCode code : codes) {
        XTestFakeKeyEvent(display, code, True, CurrentTime);
    }
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
        XTestFakeKeyEvent(display, *it, False, CurrentTime);
    }
    XSync(display, False);
    return true;
}

void Tap(Display* display, KeyCode code, bool shifted)
{
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    if (shifted) {
        XTestFakeKeyEvent(display, shift, True, CurrentTime);
    }
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    if (shifted) {
        XTestFakeKeyEvent(display, shift, False, CurrentTime);
    }
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// Printable ASCII: the Latin-1 key symbols are the characters themselves.
bool TypeText(Display* display, const std::string& text)
{
    for (const char c : text) {
        const auto sym = static_cast<KeySym>(static_cast<unsigned char>(c));
        const KeyCode code = XKeysymToKeycode(display, sym);
        if (code == 0) {
            std::fprintf(stderr, "xdriver: no key for '%c'\n", c);
            return false;
        }
        Tap(display, code, XkbKeycodeToKeysym(display, code, 0, 0) != sym);
    }
    return true;
}

Window TrayOwner(Display* display)
{
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, name.c_str(), False));
}

// The first viewable window of `tree` whose parent is not `tree` itself and that has no
// children: a docked icon (hosts wrap each icon in a window of their own).
std::optional<Found> FirstLeaf(Display* display, Window tree, bool top)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, tree, &root, &parent, &children, &count) == 0) {
        return std::nullopt;
    }
    std::optional<Found> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        found = FirstLeaf(display, children[i], false);
    }
    if (children != nullptr) {
        XFree(children);
    }
    XWindowAttributes attributes;
    if (!found && !top && count == 0 && XGetWindowAttributes(display, tree, &attributes) != 0 &&
        attributes.map_state == IsViewable) {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display, tree, root, 0, 0, &x, &y, &child);
        found = Found{tree, x, y, attributes.width, attributes.height};
    }
    return found;
}

bool Shoot(Display* display, Window window, int width, int height, const char* file)
{
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    QImage out(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            line[x] = qRgb(static_cast<int>((pixel >> 16) & 0xFF),
                           static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF));
        }
    }
    XDestroyImage(image);
    return out.save(QString::fromLocal8Bit(file), "PNG");
}

// A minimal notification area: enough of the system tray protocol for Qt to dock its icon.
int PlainWindow(Display* display, const std::string& title, const std::string& windowClass, int x,
                int y)
{
    constexpr int kSize = 160;
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), x, y, kSize,
                                              kSize, 0, 0, 0x5a6470);
    XStoreName(display, window, title.c_str());
    std::string instance = title;
    std::string className = windowClass;
    XClassHint hint{instance.data(), className.data()};
    XSetClassHint(display, window, &hint);
    XWMHints wmHints{};
    wmHints.flags = InputHint | StateHint;
    wmHints.input = True;
    wmHints.initial_state = NormalState;
    XSetWMHints(display, window, &wmHints);
    const long pid = static_cast<long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XSizeHints size{};
    size.flags = USPosition;
    size.x = x;
    size.y = y;
    XSetWMNormalHints(display, window, &size);
    XMapWindow(display, window);
    XFlush(display);
    while (true) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

int TrayHost(Display* display)
{
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    constexpr int kIconSize = 24;
    constexpr int kWidth = 8 * kIconSize;
    const Window host =
        XCreateSimpleWindow(display, root, 0, DisplayHeight(display, screen) - kIconSize, kWidth,
                            kIconSize, 0, 0, 0x303030);
    XStoreName(display, host, "qx71-tray");
    XSelectInput(display, host, SubstructureNotifyMask);
    XMapWindow(display, host);
    const std::string selectionName = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    const Atom selection = XInternAtom(display, selectionName.c_str(), False);
    const Atom opcode = XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False);
    const Atom manager = XInternAtom(display, "MANAGER", False);
    const Atom visual = XInternAtom(display, "_NET_SYSTEM_TRAY_VISUAL", False);
    const Atom orientation = XInternAtom(display, "_NET_SYSTEM_TRAY_ORIENTATION", False);
    const long horizontal = 0;
    XChangeProperty(display, host, orientation, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&horizontal), 1);
    const long visualId = static_cast<long>(XVisualIDFromVisual(DefaultVisual(display, screen)));
    XChangeProperty(display, host, visual, XA_VISUALID, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&visualId), 1);
    XSetSelectionOwner(display, selection, host, CurrentTime);
    XEvent announce{};
    announce.xclient.type = ClientMessage;
    announce.xclient.window = root;
    announce.xclient.message_type = manager;
    announce.xclient.format = 32;
    announce.xclient.data.l[0] = CurrentTime;
    announce.xclient.data.l[1] = static_cast<long>(selection);
    announce.xclient.data.l[2] = static_cast<long>(host);
    XSendEvent(display, root, False, StructureNotifyMask, &announce);
    XFlush(display);
    int docked = 0;
    constexpr long kRequestDock = 0;
    while (true) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage && event.xclient.message_type == opcode &&
            event.xclient.data.l[1] == kRequestDock) {
            const auto icon = static_cast<Window>(event.xclient.data.l[2]);
            XReparentWindow(display, icon, host, docked * kIconSize, 0);
            XResizeWindow(display, icon, kIconSize, kIconSize);
            XMapWindow(display, icon);
            ++docked;
            XFlush(display);
        }
    }
}

Window ActiveWindow(Display* display)
{
    static const Atom active = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window window = 0;
    if (XGetWindowProperty(display, DefaultRootWindow(display), active, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        if (count == 1 && format == 32) {
            window = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
        }
        XFree(data);
    }
    return window;
}

// The request a pager sends (source 2): window managers follow it without their focus
// stealing rules for applications.
void RequestActivation(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

int Activate(Display* display, const std::vector<std::string>& titles)
{
    std::vector<Window> windows;
    for (const std::string& title : titles) {
        const auto found = WaitWindow(display, title, kDefaultWaitSeconds);
        if (!found) {
            std::fprintf(stderr, "xdriver: no window \"%s\"\n", title.c_str());
            return 1;
        }
        windows.push_back(found->window);
    }
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < windows.size(); ++i) {
        RequestActivation(display, windows[i]);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (ActiveWindow(display) != windows[i]) {
            if (std::chrono::steady_clock::now() > deadline) {
                std::fprintf(stderr, "xdriver: \"%s\" did not become active\n", titles[i].c_str());
                return 1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::printf("%lld\n", static_cast<long long>(took.count()));
    return 0;
}

// Windows come and go while the tree is walked: a window gone meanwhile is simply skipped.
int IgnoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: qx71_xdriver wait-window|wait-gone|viewable|click|move|key|"
                         "shot|shot-screen|window|activate ...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        return Usage();
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xdriver: no display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXErrors);
    const std::string command = argv[1];
    const int seconds = [&] {
        if ((command == "wait-window" || command == "wait-gone") && argc > 3) {
            return std::atoi(argv[3]);
        }
        return kDefaultWaitSeconds;
    }();

    if (command == "tray-host") {
        return TrayHost(display);
    }
    if (command == "press" && argc == 3) {
        return TypeCombo(display, argv[2]) ? 0 : 1;
    }
    if (command == "wait-tray") {
        const int limit = argc > 2 ? std::atoi(argv[2]) : kDefaultWaitSeconds;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limit);
        while (TrayOwner(display) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                std::fprintf(stderr, "xdriver: no notification area\n");
                return 1;
            }
            std::this_thread::sleep_for(kPoll);
        }
        return 0;
    }
    if (command == "click-tray") {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::seconds(kDefaultWaitSeconds);
        std::optional<Found> icon;
        // Some hosts dock the icons in the selection owner; tint2 docks them in its panel
        // window and owns the selection with another one.
        const auto docked = [display]() -> std::optional<Found> {
            if (auto inOwner = FirstLeaf(display, TrayOwner(display), true)) {
                return inOwner;
            }
            const std::optional<Found> panel = FindWindow(display, "tint2");
            return panel ? FirstLeaf(display, panel->window, true) : std::nullopt;
        };
        while (!(icon = docked())) {
            if (std::chrono::steady_clock::now() > deadline) {
                std::fprintf(stderr, "xdriver: no icon in the notification area\n");
                return 1;
            }
            std::this_thread::sleep_for(kPoll);
        }
        MoveTo(display, icon->x + icon->width / 2, icon->y + icon->height / 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        Click(display, argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1u);
        return 0;
    }
    if (command == "shot-screen" && argc == 3) {
        const Window root = DefaultRootWindow(display);
        XWindowAttributes attributes;
        XGetWindowAttributes(display, root, &attributes);
        return Shoot(display, root, attributes.width, attributes.height, argv[2]) ? 0 : 1;
    }
    if (argc < 3) {
        return Usage();
    }
    if (command == "window" && argc >= 4) {
        return PlainWindow(display, argv[2], argv[3], argc > 5 ? std::atoi(argv[4]) : 0,
                           argc > 5 ? std::atoi(argv[5]) : 0);
    }
    if (command == "activate") {
        return Activate(display, std::vector<std::string>(argv + 2, argv + argc));
    }
    const std::string title = argv[2];
    if (command == "wait-gone") {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (FindWindow(display, title)) {
            if (std::chrono::steady_clock::now() > deadline) {
                std::fprintf(stderr, "xdriver: \"%s\" still shows\n", title.c_str());
                return 1;
            }
            std::this_thread::sleep_for(kPoll);
        }
        return 0;
    }
    if (command == "viewable") {
        return FindWindow(display, title) ? 0 : 1;
    }
    const auto found = WaitWindow(display, title, seconds);
    if (!found) {
        std::fprintf(stderr, "xdriver: no window \"%s\"\n", title.c_str());
        return 1;
    }
    if (command == "wait-window") {
        std::printf("%d %d %d %d\n", found->x, found->y, found->width, found->height);
        return 0;
    }
    if ((command == "click" || command == "move") && argc >= 5) {
        MoveTo(display, found->x + std::atoi(argv[3]), found->y + std::atoi(argv[4]));
        if (command == "click") {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            Click(display, argc > 5 ? static_cast<unsigned>(std::atoi(argv[5])) : 1u);
        }
        return 0;
    }
    if (command == "key" && argc == 4) {
        XSetInputFocus(display, found->window, RevertToParent, CurrentTime);
        XSync(display, False);
        return TypeCombo(display, argv[3]) ? 0 : 1;
    }
    if (command == "type" && argc == 4) {
        XSetInputFocus(display, found->window, RevertToParent, CurrentTime);
        XSync(display, False);
        return TypeText(display, argv[3]) ? 0 : 1;
    }
    if (command == "shot" && argc == 4) {
        return Shoot(display, found->window, found->width, found->height, argv[3]) ? 0 : 1;
    }
    return Usage();
}
