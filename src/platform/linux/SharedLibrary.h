#pragma once

#include <string>

namespace qx71 {

// A library opened at its first use instead of linked (the program then starts without it
// and works on where it is missing). Kept open for the life of the process.
// Null with dlerror's reason in `error` when it cannot be opened.
void* OpenSharedLibrary(const char* soname, std::string& error);
// Looks up `name`; false with the reason in `error` when the library lacks it.
bool ResolveAddress(void* handle, const char* soname, const char* name, void*& address,
                    std::string& error);

template <typename Function>
bool ResolveSymbol(void* handle, const char* soname, const char* name, Function& function,
                   std::string& error)
{
    void* address = nullptr;
    if (!ResolveAddress(handle, soname, name, address, error)) {
        return false;
    }
    function = reinterpret_cast<Function>(address);
    return true;
}

} // namespace qx71
