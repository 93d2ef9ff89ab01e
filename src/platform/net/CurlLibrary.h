#pragma once

#include <curl/curl.h>

#include <string>

namespace qx71 {

// The calls the downloader makes, each named once: the members below and the symbols looked up.
#define QX71_CURL_CALLS(CALL)                                                                      \
    CALL(global_init)                                                                              \
    CALL(easy_init)                                                                                \
    CALL(easy_cleanup)                                                                             \
    CALL(easy_setopt)                                                                              \
    CALL(easy_strerror)                                                                            \
    CALL(multi_init)                                                                               \
    CALL(multi_cleanup)                                                                            \
    CALL(multi_add_handle)                                                                         \
    CALL(multi_remove_handle)                                                                      \
    CALL(multi_perform)                                                                            \
    CALL(multi_poll)                                                                               \
    CALL(multi_wakeup)                                                                             \
    CALL(multi_info_read)

// libcurl, opened at the first download instead of linked. Linked, it brings its TLS and
// protocol libraries (OpenSSL, GnuTLS, p11-kit, LDAP, SSH ...), which load and set themselves
// up at every start of the window, though most runs download nothing.
struct CurlLibrary {
#define QX71_CURL_MEMBER(name) decltype(&curl_##name) name = nullptr;
    QX71_CURL_CALLS(QX71_CURL_MEMBER)
#undef QX71_CURL_MEMBER

    // Opens the library once (from any thread) and sets it up; null with the reason in
    // `error` when it cannot be opened or lacks a function.
    static const CurlLibrary* Get(std::string& error);
    // The library when an earlier Get opened it, else null; opens nothing.
    static const CurlLibrary* IfOpen();
};

} // namespace qx71
