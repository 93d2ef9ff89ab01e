#pragma once

#include <string>
#include <string_view>

namespace qx71 {

// UTF-8 <-> UTF-16 for texts that cross to the console or to file names. Invalid input never
// throws: bad sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace qx71
