#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qx71 {

// Conversion of text in a Windows code page to UTF-16, provided by the platform (iconv on
// Linux). The markup reader converts UTF-8 and UTF-16 itself and asks this for the rest.
class ITextCodec {
public:
    virtual ~ITextCodec() = default;
    // Appends the UTF-16 form of `bytes` to `out`. Bytes that do not form a character of the
    // code page become U+FFFD. False (and `out` unchanged) when the code page is not available.
    virtual bool ToUtf16(uint32_t codePage, std::span<const uint8_t> bytes,
                         std::u16string& out) = 0;
    // The code page of text that declares nothing and is not UTF-8.
    virtual uint32_t AnsiCodePage() const = 0;
};

} // namespace qx71
