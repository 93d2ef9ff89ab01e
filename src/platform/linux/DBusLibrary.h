#pragma once

#include <dbus/dbus.h>

#include <string>

namespace qx71 {

// The D-Bus calls that send a desktop's reload signal, each named once.
#define QX71_DBUS_CALLS(CALL)                                                                      \
    CALL(dbus_error_init)                                                                          \
    CALL(dbus_error_free)                                                                          \
    CALL(dbus_bus_get_private)                                                                     \
    CALL(dbus_bus_register)                                                                        \
    CALL(dbus_connection_open_private)                                                             \
    CALL(dbus_connection_set_exit_on_disconnect)                                                   \
    CALL(dbus_connection_send)                                                                     \
    CALL(dbus_connection_flush)                                                                    \
    CALL(dbus_connection_close)                                                                    \
    CALL(dbus_connection_unref)                                                                    \
    CALL(dbus_message_new_signal)                                                                  \
    CALL(dbus_message_append_args)                                                                 \
    CALL(dbus_message_unref)

// libdbus, opened at its first use instead of linked.
struct DBusLibrary {
#define QX71_DBUS_MEMBER(name) decltype(&::name) name = nullptr;
    QX71_DBUS_CALLS(QX71_DBUS_MEMBER)
#undef QX71_DBUS_MEMBER

    // Opens the library once (from any thread); null with the reason in `error`.
    static const DBusLibrary* Get(std::string& error);
};

// Sends a signal with two 32-bit integer arguments on the session bus
// ($DBUS_SESSION_BUS_ADDRESS); false with the reason when there is no bus to send it on.
bool SendSessionSignal(const char* path, const char* interface, const char* member, int first,
                       int second, std::string& error);

} // namespace qx71
