#include "platform/linux/XErrorTrap.h"

#include <map>
#include <mutex>

// The per-connection error hook lives in Xlib's extension interface. Its macros clash with
// the standard headers, so it comes last.
#include <X11/Xlibint.h>

namespace qx71 {

namespace {

std::mutex& RegistryMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Error counts of the trapped connections.
std::map<Display*, int>& Registry()
{
    static std::map<Display*, int> registry;
    return registry;
}

// Xlib asks every extension's hook of the connection before the global handler; answering
// "handled" keeps the error away from it.
int OnError(Display* display, xError* /*error*/, XExtCodes* /*codes*/, int* returnCode)
{
    std::lock_guard lock(RegistryMutex());
    auto found = Registry().find(display);
    if (found == Registry().end()) {
        return False;
    }
    ++found->second;
    *returnCode = 0;
    return True;
}

} // namespace

XErrorTrap::XErrorTrap(Display* display) : display_(display)
{
    {
        std::lock_guard lock(RegistryMutex());
        Registry()[display_] = 0;
    }
    XExtCodes* codes = XAddExtension(display_);
    if (codes != nullptr) {
        XESetError(display_, codes->extension, &OnError);
    }
}

XErrorTrap::~XErrorTrap()
{
    std::lock_guard lock(RegistryMutex());
    Registry().erase(display_);
}

int XErrorTrap::SyncAndTakeErrors()
{
    XSync(display_, False);
    std::lock_guard lock(RegistryMutex());
    auto found = Registry().find(display_);
    if (found == Registry().end()) {
        return 0;
    }
    const int errors = found->second;
    found->second = 0;
    return errors;
}

} // namespace qx71
