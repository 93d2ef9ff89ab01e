#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qx71 {

class ITextCodec;

// What the byte-order mark of a file said.
enum MarkupFileFlag : uint32_t {
    kFileUtf8Bom = 1u << 0,
    kFileUtf16Le = 1u << 1,
    kFileUtf16Be = 1u << 2,
};

struct DecodedMarkup {
    std::u16string text;
    uint32_t fileFlags = 0; // MarkupFileFlag bits
    std::string notes;      // how the text was decoded, for the reader's result text
};

// Turns the bytes of a markup file into UTF-16: a byte-order mark, else the encoding declared
// in the first 1024 bytes (XML declaration or HTML meta element), else UTF-8 when the text
// starts with "<" or is valid UTF-8, else the ANSI code page. Zero bytes (zero units in UTF-16
// and UTF-32) are dropped. Never fails: undecodable bytes become U+FFFD.
DecodedMarkup DecodeMarkupBytes(std::span<const uint8_t> bytes, ITextCodec& codec);

// The encoding name declared in the start of a document, if any.
std::optional<std::string> FindDeclaredEncoding(std::span<const uint8_t> head);

// UTF-8 to UTF-16. Strict: false on the first invalid sequence (out then holds garbage).
bool DecodeUtf8Strict(std::span<const uint8_t> bytes, std::u16string& out);
// Lenient: invalid sequences become U+FFFD.
void DecodeUtf8Lenient(std::span<const uint8_t> bytes, std::u16string& out);

} // namespace qx71
