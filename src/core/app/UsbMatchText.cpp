#include "core/app/UsbMatchText.h"

#include <cstdio>

namespace qx71 {

std::string UsbMatchText(const UsbIdentity& identity)
{
    char text[32];
    std::snprintf(text, sizeof text, "VID_%04X&PID_%04X",
                  static_cast<unsigned>(ParseHexId(identity.vendorIdText)),
                  static_cast<unsigned>(ParseHexId(identity.productIdText)));
    return text;
}

} // namespace qx71
