#include "core/markup/MarkupTextDecoder.h"

#include "core/markup/EncodingNames.h"
#include "core/markup/ITextCodec.h"
#include "core/markup/MarkupScanner.h"

#include <cstring>
#include <vector>

namespace qx71 {

namespace {

constexpr size_t kDeclarationWindow = 1024;
constexpr char16_t kReplacement = 0xFFFD;
constexpr uint8_t kUtf8Bom[] = {0xEF, 0xBB, 0xBF};
constexpr uint8_t kUtf16LeBom[] = {0xFF, 0xFE};
constexpr uint8_t kUtf16BeBom[] = {0xFE, 0xFF};

bool StartsWith(std::span<const uint8_t> bytes, std::span<const uint8_t> prefix)
{
    return bytes.size() >= prefix.size() &&
           std::memcmp(bytes.data(), prefix.data(), prefix.size()) == 0;
}

// Bytes without the zero bytes; the original when there are none.
std::span<const uint8_t> WithoutZeroBytes(std::span<const uint8_t> bytes,
                                          std::vector<uint8_t>& storage, size_t& removed)
{
    removed = 0;
    if (bytes.empty() || std::memchr(bytes.data(), 0, bytes.size()) == nullptr) {
        return bytes;
    }
    storage.reserve(bytes.size());
    for (uint8_t b : bytes) {
        if (b != 0) {
            storage.push_back(b);
        }
    }
    removed = bytes.size() - storage.size();
    return storage;
}

// 16-bit units (little- or big-endian), zero units dropped; an odd last byte is ignored.
size_t AppendUtf16Units(std::span<const uint8_t> bytes, bool bigEndian, std::u16string& out)
{
    size_t removed = 0;
    out.reserve(out.size() + bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = bigEndian ? static_cast<char16_t>((bytes[i] << 8) | bytes[i + 1])
                                    : static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0) {
            ++removed;
        } else {
            out.push_back(unit);
        }
    }
    return removed;
}

// 32-bit little-endian code points, zero units dropped.
size_t AppendUtf32Units(std::span<const uint8_t> bytes, std::u16string& out)
{
    size_t removed = 0;
    for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
        char32_t cp = static_cast<char32_t>(bytes[i]) | (static_cast<char32_t>(bytes[i + 1]) << 8) |
                      (static_cast<char32_t>(bytes[i + 2]) << 16) |
                      (static_cast<char32_t>(bytes[i + 3]) << 24);
        if (cp == 0) {
            ++removed;
            continue;
        }
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            cp = kReplacement;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return removed;
}

// Decodes one UTF-8 sequence at bytes[i]; returns its length, or 0 when it is invalid.
size_t DecodeSequence(const uint8_t* p, size_t left, char32_t& cp)
{
    const uint8_t lead = p[0];
    size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0xC2) {
        return 0; // a continuation byte, or the start of an overlong form
    }
    if (lead < 0xE0) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if (lead < 0xF0) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if (lead < 0xF5) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (left < length) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((p[k] & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (p[k] & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return length;
}

// The common part of both UTF-8 decoders; stops at the first invalid sequence when `strict`.
bool DecodeUtf8(std::span<const uint8_t> bytes, std::u16string& out, bool strict)
{
    const size_t base = out.size();
    out.resize(base + bytes.size()); // never more units than bytes
    char16_t* dst = out.data() + base;
    const uint8_t* p = bytes.data();
    const uint8_t* const end = p + bytes.size();
    while (p < end) {
        // Runs of ASCII, eight bytes at a time.
        while (end - p >= 8) {
            uint64_t block = 0;
            std::memcpy(&block, p, sizeof(block));
            if ((block & 0x8080808080808080ull) != 0) {
                break;
            }
            for (int k = 0; k < 8; ++k) {
                dst[k] = p[k];
            }
            dst += 8;
            p += 8;
        }
        if (p >= end) {
            break;
        }
        if (*p < 0x80) {
            *dst++ = *p++;
            continue;
        }
        char32_t cp = 0;
        const size_t length = DecodeSequence(p, static_cast<size_t>(end - p), cp);
        if (length == 0) {
            if (strict) {
                out.resize(base);
                return false;
            }
            *dst++ = kReplacement;
            ++p;
            continue;
        }
        p += length;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            *dst++ = static_cast<char16_t>(0xD800 + (cp >> 10));
            *dst++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            *dst++ = static_cast<char16_t>(cp);
        }
    }
    out.resize(static_cast<size_t>(dst - out.data()));
    return true;
}

// Appends "<before><number><after>" (piece by piece: GCC 12 warns wrongly about the
// concatenation of temporaries here).
void AppendNote(std::string& notes, std::string_view before, size_t number, std::string_view after)
{
    notes += before;
    notes += std::to_string(number);
    notes += after;
}

std::string Narrow(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

std::optional<std::string> CharsetOfContentType(std::u16string_view content)
{
    constexpr std::u16string_view kCharset = u"charset";
    for (size_t i = 0; i + kCharset.size() <= content.size(); ++i) {
        if (!NamesEqual(content.substr(i, kCharset.size()), kCharset, true)) {
            continue;
        }
        size_t j = i + kCharset.size();
        while (j < content.size() && IsMarkupSpace(content[j])) {
            ++j;
        }
        if (j >= content.size() || content[j] != u'=') {
            continue;
        }
        ++j;
        while (j < content.size() &&
               (IsMarkupSpace(content[j]) || content[j] == u'"' || content[j] == u'\'')) {
            ++j;
        }
        size_t k = j;
        while (k < content.size() && !IsMarkupSpace(content[k]) && content[k] != u';' &&
               content[k] != u'"' && content[k] != u'\'') {
            ++k;
        }
        if (k > j) {
            return Narrow(content.substr(j, k - j));
        }
    }
    return std::nullopt;
}

std::u16string_view AttributesOf(std::u16string_view text, const ScannedNode& node)
{
    const size_t nameEnd = node.start + 1 + node.nameLength;
    return text.substr(nameEnd, node.start + node.length - nameEnd);
}

} // namespace

bool DecodeUtf8Strict(std::span<const uint8_t> bytes, std::u16string& out)
{
    return DecodeUtf8(bytes, out, true);
}

void DecodeUtf8Lenient(std::span<const uint8_t> bytes, std::u16string& out)
{
    DecodeUtf8(bytes, out, false);
}

std::optional<std::string> FindDeclaredEncoding(std::span<const uint8_t> head)
{
    // Zero bytes are skipped so that a UTF-16 or UTF-32 file without a mark still shows its
    // declaration.
    std::vector<uint8_t> storage;
    size_t removed = 0;
    const auto bytes =
        WithoutZeroBytes(head.first(std::min(head.size(), kDeclarationWindow)), storage, removed);
    std::u16string text;
    DecodeUtf8Lenient(bytes, text);

    size_t pos = 0;
    while (pos < text.size() && IsMarkupSpace(text[pos])) {
        ++pos;
    }
    if (pos >= text.size() || text[pos] != u'<') {
        return std::nullopt;
    }
    const std::u16string_view view(text);
    ScannedNode first = ScanNode(view, pos);
    if (first.kind == NodeKind::ProcessingInstruction && first.nameLength == 3 &&
        view.substr(pos + 2, 3) == u"xml") {
        const size_t inner = pos + 5;
        const auto encoding = FindAttribute(view.substr(inner, first.start + first.length - inner),
                                            u"encoding", false);
        if (encoding && !encoding->empty()) {
            return Narrow(*encoding);
        }
        return std::nullopt;
    }

    // An HTML document: <meta http-equiv="Content-Type" content="...; charset=...">.
    bool isHtml = false;
    while (pos < view.size()) {
        const ScannedNode node = ScanNode(view, pos);
        pos += node.length;
        if (node.kind != NodeKind::StartTag) {
            continue;
        }
        const auto name = view.substr(node.start + 1, node.nameLength);
        if (!isHtml) {
            if (!NamesEqual(name, u"html", true)) {
                return std::nullopt;
            }
            isHtml = true;
            continue;
        }
        if (!NamesEqual(name, u"meta", true)) {
            continue;
        }
        const auto attributes = AttributesOf(view, node);
        const auto equiv = FindAttribute(attributes, u"http-equiv", true);
        if (!equiv || !NamesEqual(*equiv, u"Content-Type", true)) {
            continue;
        }
        if (const auto content = FindAttribute(attributes, u"content", true)) {
            if (auto charset = CharsetOfContentType(*content)) {
                return charset;
            }
        }
    }
    return std::nullopt;
}

DecodedMarkup DecodeMarkupBytes(std::span<const uint8_t> bytes, ITextCodec& codec)
{
    DecodedMarkup result;
    if (bytes.empty()) {
        result.notes = "0 length ";
        return result;
    }
    result.notes.reserve(96);

    bool bigEndian = false;
    if (StartsWith(bytes, kUtf16LeBom) || StartsWith(bytes, kUtf16BeBom)) {
        bigEndian = StartsWith(bytes, kUtf16BeBom);
        result.fileFlags = bigEndian ? kFileUtf16Be : kFileUtf16Le;
        result.notes = bigEndian ? "UTF-16BE BOM + " : "UTF-16LE BOM + ";
        const auto body = bytes.subspan(sizeof(kUtf16LeBom));
        AppendNote(result.notes, "length ", body.size(), " ");
        const size_t removed = AppendUtf16Units(body, bigEndian, result.text);
        if (removed != 0) {
            AppendNote(result.notes, "(", removed, " nulls removed) ");
        }
        if (bigEndian) {
            result.notes += "endian swap ";
        }
        AppendNote(result.notes, "to ", result.text.size(), " wide chars ");
        return result;
    }

    std::optional<uint32_t> codePage;
    std::string encodingName;
    auto body = bytes;
    if (StartsWith(bytes, kUtf8Bom)) {
        result.fileFlags = kFileUtf8Bom;
        codePage = kCodePageUtf8;
        encodingName = "UTF-8";
        body = bytes.subspan(sizeof(kUtf8Bom));
        result.notes = "UTF-8 BOM + ";
    } else if (auto declared = FindDeclaredEncoding(bytes)) {
        encodingName = *declared;
        codePage = CodePageOfEncodingName(*declared);
        if (!codePage) {
            codePage = codec.AnsiCodePage(); // a name we do not know
        }
        result.notes = encodingName + " ";
    } else if (bytes[0] == '<') {
        codePage = kCodePageUtf8;
        encodingName = "UTF-8";
        result.notes = "UTF-8 ";
    }
    AppendNote(result.notes, "length ", body.size(), " ");

    // A declaration of 16- or 32-bit units is believed only when the zero bytes of the file
    // agree with it; a byte-oriented file that says "UTF-16" is read as if it said nothing.
    if (codePage == kCodePageUtf16Le || codePage == kCodePageUtf16Be ||
        codePage == kCodePageUtf32Le) {
        const bool wide = body.size() >= 2 && (body[0] == 0 || body[1] == 0);
        if (wide && codePage == kCodePageUtf32Le) {
            const size_t removed = AppendUtf32Units(body, result.text);
            AppendNote(result.notes, "(", removed, " nulls removed) ");
            AppendNote(result.notes, "to ", result.text.size(), " wide chars ");
            return result;
        }
        if (wide) {
            const bool be = body[0] == 0;
            const size_t removed = AppendUtf16Units(body, be, result.text);
            AppendNote(result.notes, "(", removed, " nulls removed) ");
            if (be) {
                result.notes += "endian swap ";
            }
            AppendNote(result.notes, "to ", result.text.size(), " wide chars ");
            return result;
        }
        codePage.reset();
    }

    std::vector<uint8_t> storage;
    size_t removed = 0;
    const auto content = WithoutZeroBytes(body, storage, removed);
    if (removed != 0) {
        AppendNote(result.notes, "(", removed, " nulls removed) ");
    }
    if (!codePage) {
        if (DecodeUtf8Strict(content, result.text)) {
            result.notes += "(used UTF-8 detection) ";
            AppendNote(result.notes, "to ", result.text.size(), " wide chars ");
            return result;
        }
        codePage = codec.AnsiCodePage();
        result.notes += "ANSI ";
    }
    if (*codePage == kCodePageUtf8) {
        DecodeUtf8Lenient(content, result.text);
    } else if (!codec.ToUtf16(*codePage, content, result.text)) {
        AppendNote(result.notes, "(code page ", *codePage, " not available, ANSI) ");
        if (!codec.ToUtf16(codec.AnsiCodePage(), content, result.text)) {
            for (uint8_t b : content) {
                result.text.push_back(b); // Latin-1 as the last resort
            }
        }
    }
    AppendNote(result.notes, "to ", result.text.size(), " wide chars ");
    return result;
}

} // namespace qx71
