#include "platform/linux/GioLibrary.h"

#include "platform/linux/SharedLibrary.h"

namespace qx71 {

const GioLibrary* GioLibrary::Get(std::string& error)
{
    // The soname of GIO 2.x.
    static constexpr const char* kSoname = "libgio-2.0.so.0";
    static LibraryOnce<GioLibrary> library;
    return library.Get(
        kSoname,
        [](void* handle, GioLibrary& l, std::string& e) {
#define QX71_GIO_RESOLVE(name) ResolveSymbol(handle, kSoname, #name, l.name, e)&&
            return QX71_GIO_CALLS(QX71_GIO_RESOLVE) true;
#undef QX71_GIO_RESOLVE
        },
        error);
}

} // namespace qx71
