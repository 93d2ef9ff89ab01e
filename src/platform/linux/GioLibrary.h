#pragma once

#include <gio/gio.h>

#include <string>

namespace qx71 {

// The GSettings calls of the pointer settings, each named once: the members below and the
// symbols looked up.
#define QX71_GIO_CALLS(CALL)                                                                       \
    CALL(g_settings_schema_source_get_default)                                                     \
    CALL(g_settings_schema_source_lookup)                                                          \
    CALL(g_settings_schema_has_key)                                                                \
    CALL(g_settings_schema_unref)                                                                  \
    CALL(g_settings_new_full)                                                                      \
    CALL(g_settings_get_double)                                                                    \
    CALL(g_settings_set_double)                                                                    \
    CALL(g_settings_get_value)                                                                     \
    CALL(g_settings_set_value)                                                                     \
    CALL(g_settings_sync)                                                                          \
    CALL(g_variant_new_string)                                                                     \
    CALL(g_variant_get_string)                                                                     \
    CALL(g_variant_unref)                                                                          \
    CALL(g_object_unref)

// libgio, opened at the first use of the desktop's settings instead of linked: the package
// then needs no GNOME library, and a system without it falls back to another back end.
struct GioLibrary {
#define QX71_GIO_MEMBER(name) decltype(&::name) name = nullptr;
    QX71_GIO_CALLS(QX71_GIO_MEMBER)
#undef QX71_GIO_MEMBER

    // Opens the library once (from any thread); null with the reason in `error` when it
    // cannot be opened or lacks a function.
    static const GioLibrary* Get(std::string& error);
};

} // namespace qx71
