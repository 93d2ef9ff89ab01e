#pragma once

#include <atomic>
#include <mutex>
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

// A library's table of functions, opened and filled at the first Get and shared by every
// caller after it, on any thread. `fill(handle, table, error)` resolves the table's functions
// (and sets the library up where it needs that); false with the reason in `error`.
template <typename Table> class LibraryOnce {
public:
    template <typename Fill> const Table* Get(const char* soname, Fill fill, std::string& error)
    {
        std::call_once(once_, [&] {
            void* handle = OpenSharedLibrary(soname, error_);
            ok_ = handle != nullptr && fill(handle, table_, error_);
        });
        if (!ok_) {
            error = error_;
            return nullptr;
        }
        return &table_;
    }

    // The table when a Get has opened it, otherwise null; never opens the library.
    const Table* IfOpen() const { return ok_ ? &table_ : nullptr; }

private:
    std::once_flag once_;
    Table table_{};
    std::string error_;
    std::atomic<bool> ok_{false};
};

} // namespace qx71
