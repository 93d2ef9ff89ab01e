#include "platform/linux/DBusLibrary.h"

#include "platform/linux/SharedLibrary.h"

#include <cstdint>
#include <cstdlib>

namespace qx71 {

const DBusLibrary* DBusLibrary::Get(std::string& error)
{
    static constexpr const char* kSoname = "libdbus-1.so.3";
    static LibraryOnce<DBusLibrary> library;
    return library.Get(
        kSoname,
        [](void* handle, DBusLibrary& l, std::string& e) {
#define QX71_DBUS_RESOLVE(name) ResolveSymbol(handle, kSoname, #name, l.name, e)&&
            return QX71_DBUS_CALLS(QX71_DBUS_RESOLVE) true;
#undef QX71_DBUS_RESOLVE
        },
        error);
}

bool SendSessionSignal(const char* path, const char* interface, const char* member, int first,
                       int second, std::string& error)
{
    const DBusLibrary* d = DBusLibrary::Get(error);
    if (d == nullptr) {
        return false;
    }
    DBusError busError;
    d->dbus_error_init(&busError);
    // A private connection: closing it cannot disturb a shared one another part of the
    // process (Qt, GIO) may hold. The address is read at each call, as libdbus itself reads
    // it only once per process.
    DBusConnection* connection = nullptr;
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address != nullptr) {
        connection = d->dbus_connection_open_private(address, &busError);
        if (connection != nullptr && d->dbus_bus_register(connection, &busError) == FALSE) {
            d->dbus_connection_close(connection);
            d->dbus_connection_unref(connection);
            connection = nullptr;
        }
    } else {
        connection = d->dbus_bus_get_private(DBUS_BUS_SESSION, &busError);
    }
    if (connection == nullptr) {
        error = std::string("no session bus: ") +
                (busError.message != nullptr ? busError.message : "unknown reason");
        d->dbus_error_free(&busError);
        return false;
    }
    // libdbus ends the process when the bus goes away, unless told not to.
    d->dbus_connection_set_exit_on_disconnect(connection, FALSE);
    bool sent = false;
    DBusMessage* message = d->dbus_message_new_signal(path, interface, member);
    if (message != nullptr) {
        dbus_int32_t a = first;
        dbus_int32_t b = second;
        sent = d->dbus_message_append_args(message, DBUS_TYPE_INT32, &a, DBUS_TYPE_INT32, &b,
                                           DBUS_TYPE_INVALID) != FALSE &&
               d->dbus_connection_send(connection, message, nullptr) != FALSE;
        d->dbus_message_unref(message);
    }
    if (sent) {
        d->dbus_connection_flush(connection);
    } else {
        error = std::string("the signal ") + member + " could not be sent";
    }
    d->dbus_connection_close(connection);
    d->dbus_connection_unref(connection);
    return sent;
}

} // namespace qx71
