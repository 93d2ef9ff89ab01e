#include "platform/linux/SharedLibrary.h"

#include <dlfcn.h>

namespace qx71 {

void* OpenSharedLibrary(const char* soname, std::string& error)
{
    void* handle = ::dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        error = reason != nullptr ? reason : std::string(soname) + " could not be opened";
    }
    return handle;
}

bool ResolveAddress(void* handle, const char* soname, const char* name, void*& address,
                    std::string& error)
{
    address = ::dlsym(handle, name);
    if (address == nullptr) {
        error = std::string(soname) + " lacks " + name;
        return false;
    }
    return true;
}

} // namespace qx71
