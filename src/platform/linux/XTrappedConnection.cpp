#include "platform/linux/XTrappedConnection.h"

namespace qx71 {

std::unique_ptr<XTrappedConnection> XTrappedConnection::Open(const std::string& displayName)
{
    Display* display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (display == nullptr) {
        return nullptr;
    }
    return std::make_unique<XTrappedConnection>(display);
}

} // namespace qx71
