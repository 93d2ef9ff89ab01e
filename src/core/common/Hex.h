#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qx71 {

// Bytes as lowercase hexadecimal pairs, with `separator` between the pairs.
std::string HexBytes(std::span<const uint8_t> bytes, std::string_view separator = {});

} // namespace qx71
