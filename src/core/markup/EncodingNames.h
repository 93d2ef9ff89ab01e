#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qx71 {

// Windows code page numbers the reader handles itself.
inline constexpr uint32_t kCodePageUtf16Le = 1200;
inline constexpr uint32_t kCodePageUtf16Be = 1201;
inline constexpr uint32_t kCodePageUtf32Le = 12000;
inline constexpr uint32_t kCodePageUtf8 = 65001;

// The code page of an encoding name from a declaration, ASCII letter case ignored: the IANA
// charset names and aliases of the common encodings and of the Windows and Macintosh
// families. "UTF-32" gives kCodePageUtf32Le. Empty for a name that is not known.
std::optional<uint32_t> CodePageOfEncodingName(std::string_view name);

// Number of names CodePageOfEncodingName knows (for tests).
size_t EncodingNameCount();

} // namespace qx71
