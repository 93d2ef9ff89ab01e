#include "platform/net/CurlLibrary.h"

#include "platform/linux/SharedLibrary.h"

#include <atomic>
#include <mutex>

namespace qx71 {
namespace {

// The soname of libcurl 7.16 and later, whose calls this uses.
constexpr const char* kSoname = "libcurl.so.4";

struct Opened {
    CurlLibrary library;
    std::string error;
    std::atomic<bool> ok{false};
};

Opened& State()
{
    static Opened opened;
    return opened;
}

void Open(Opened& opened)
{
    // Kept open for the life of the process: a transfer's threads may still be in it.
    void* handle = OpenSharedLibrary(kSoname, opened.error);
    if (handle == nullptr) {
        return;
    }
    CurlLibrary& l = opened.library;
    std::string& e = opened.error;
#define QX71_CURL_RESOLVE(name) ResolveSymbol(handle, kSoname, "curl_" #name, l.name, e)&&
    const bool all = QX71_CURL_CALLS(QX71_CURL_RESOLVE) true;
#undef QX71_CURL_RESOLVE
    if (!all) {
        return;
    }
    if (const CURLcode code = l.global_init(CURL_GLOBAL_DEFAULT); code != CURLE_OK) {
        e = std::string("libcurl could not be set up: ") + l.easy_strerror(code);
        return;
    }
    opened.ok = true;
}

} // namespace

const CurlLibrary* CurlLibrary::Get(std::string& error)
{
    static std::once_flag once;
    Opened& opened = State();
    std::call_once(once, [&opened] { Open(opened); });
    if (!opened.ok) {
        error = opened.error;
        return nullptr;
    }
    return &opened.library;
}

const CurlLibrary* CurlLibrary::IfOpen()
{
    Opened& opened = State();
    return opened.ok ? &opened.library : nullptr;
}

} // namespace qx71
