#pragma once

#include <string>
#include <string_view>

namespace qx71 {

// UTF-8 and the UTF-16 of the Win32 calls. Invalid sequences become U+FFFD.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf16(std::u16string_view text);

} // namespace qx71
