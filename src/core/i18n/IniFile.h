#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qx71 {

// Reading of Windows-style INI files ("[section]" lines and "key=value" lines), as the
// private-profile functions do: section and key names compare without regard to ASCII letter
// case, the first occurrence wins, ";" starts a comment line, white space around names and
// values is dropped. The file may be ANSI, UTF-8 or UTF-16 with a byte-order mark.
std::optional<std::u16string> ReadIniString(std::span<const uint8_t> file, std::string_view section,
                                            std::string_view key);

// The integer of a key: its leading decimal digits (or "0x" and hexadecimal ones) after an
// optional sign; 0 when the value does not start with a number; `defaultValue` when the key
// is missing or empty.
int32_t ReadIniInt(std::span<const uint8_t> file, std::string_view section, std::string_view key,
                   int32_t defaultValue);

} // namespace qx71
