#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qx71 {

// Number of entity names the reader knows: those of HTML 4.01 and "apos".
inline constexpr size_t kEntityNameCount = 253;

// Replaces character references in a piece of element text: "&#65;", "&#x41;" and the
// entity names (ASCII letter case ignored). An ampersand not followed by at most nine ASCII
// characters and a semicolon, an unknown name and a reference to code point 0 stay as they
// are.
std::u16string DecodeCharacterReferences(std::u16string_view text);
void AppendDecodedText(std::u16string& out, std::u16string_view text);

// The character of an entity name such as "amp" (letter case ignored), if it is one.
std::optional<char32_t> LookUpEntity(std::u16string_view name);

} // namespace qx71
