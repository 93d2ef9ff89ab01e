#include "platform/linux/GioLibrary.h"

#include "platform/linux/SharedLibrary.h"

#include <mutex>

namespace qx71 {

namespace {

// The soname of GIO 2.x.
constexpr const char* kSoname = "libgio-2.0.so.0";

struct Opened {
    GioLibrary library;
    std::string error;
    bool ok = false;
};

void Open(Opened& opened)
{
    void* handle = OpenSharedLibrary(kSoname, opened.error);
    if (handle == nullptr) {
        return;
    }
    GioLibrary& l = opened.library;
    std::string& e = opened.error;
#define QX71_GIO_RESOLVE(name) ResolveSymbol(handle, kSoname, #name, l.name, e)&&
    opened.ok = QX71_GIO_CALLS(QX71_GIO_RESOLVE) true;
#undef QX71_GIO_RESOLVE
}

} // namespace

const GioLibrary* GioLibrary::Get(std::string& error)
{
    static std::once_flag once;
    static Opened opened;
    std::call_once(once, [] { Open(opened); });
    if (!opened.ok) {
        error = opened.error;
        return nullptr;
    }
    return &opened.library;
}

} // namespace qx71
