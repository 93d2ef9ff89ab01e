#include "platform/net/CurlLibrary.h"

#include "platform/linux/SharedLibrary.h"

namespace qx71 {
namespace {

// The soname of libcurl 7.16 and later, whose calls this uses. Kept open for the life of the
// process: a transfer's threads may still be in it.
constexpr const char* kCurlSoname = "libcurl.so.4";

LibraryOnce<CurlLibrary>& Library()
{
    static LibraryOnce<CurlLibrary> library;
    return library;
}

bool Fill(void* handle, CurlLibrary& l, std::string& e)
{
#define QX71_CURL_RESOLVE(name) ResolveSymbol(handle, kCurlSoname, "curl_" #name, l.name, e)&&
    const bool all = QX71_CURL_CALLS(QX71_CURL_RESOLVE) true;
#undef QX71_CURL_RESOLVE
    if (!all) {
        return false;
    }
    if (const CURLcode code = l.global_init(CURL_GLOBAL_DEFAULT); code != CURLE_OK) {
        e = std::string("libcurl could not be set up: ") + l.easy_strerror(code);
        return false;
    }
    return true;
}

} // namespace

const CurlLibrary* CurlLibrary::Get(std::string& error)
{
    return Library().Get(kCurlSoname, Fill, error);
}

const CurlLibrary* CurlLibrary::IfOpen()
{
    return Library().IfOpen();
}

} // namespace qx71
