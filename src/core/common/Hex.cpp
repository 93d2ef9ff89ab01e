#include "core/common/Hex.h"

namespace qx71 {

std::string HexBytes(std::span<const uint8_t> bytes, std::string_view separator)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * (2 + separator.size()));
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        out.push_back(kDigits[bytes[i] >> 4]);
        out.push_back(kDigits[bytes[i] & 0x0F]);
    }
    return out;
}

} // namespace qx71
