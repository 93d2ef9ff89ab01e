#pragma once

#include <curl/curl.h>

#include <string>

namespace qx71 {

// libcurl, opened at the first download instead of linked. Linked, it brings its TLS and
// protocol libraries (OpenSSL, GnuTLS, p11-kit, LDAP, SSH ...), which load and set themselves
// up at every start of the window, though most runs download nothing.
struct CurlLibrary {
    decltype(&curl_global_init) global_init = nullptr;
    decltype(&curl_easy_init) easy_init = nullptr;
    decltype(&curl_easy_cleanup) easy_cleanup = nullptr;
    decltype(&curl_easy_setopt) easy_setopt = nullptr;
    decltype(&curl_easy_strerror) easy_strerror = nullptr;
    decltype(&curl_multi_init) multi_init = nullptr;
    decltype(&curl_multi_cleanup) multi_cleanup = nullptr;
    decltype(&curl_multi_add_handle) multi_add_handle = nullptr;
    decltype(&curl_multi_remove_handle) multi_remove_handle = nullptr;
    decltype(&curl_multi_perform) multi_perform = nullptr;
    decltype(&curl_multi_poll) multi_poll = nullptr;
    decltype(&curl_multi_wakeup) multi_wakeup = nullptr;
    decltype(&curl_multi_info_read) multi_info_read = nullptr;

    // Opens the library once (from any thread) and sets it up; null with the reason in
    // `error` when it cannot be opened or lacks a function.
    static const CurlLibrary* Get(std::string& error);
    // The library when an earlier Get opened it, else null; opens nothing.
    static const CurlLibrary* IfOpen();
};

} // namespace qx71
