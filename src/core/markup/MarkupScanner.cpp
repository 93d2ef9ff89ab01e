#include "core/markup/MarkupScanner.h"

#include "core/markup/AsciiCase.h"

#include <array>

namespace qx71 {

namespace {

constexpr std::u16string_view kCommentOpen = u"<!--";
constexpr std::u16string_view kCommentClose = u"-->";
constexpr std::u16string_view kDoctypeOpen = u"<!DOCTYPE";
constexpr std::u16string_view kPiClose = u"?>";

constexpr size_t kAsciiCount = 128;

constexpr std::array<bool, kAsciiCount> MakeNameTerminators()
{
    std::array<bool, kAsciiCount> table{};
    for (char c : std::string_view(" \t\r\n<>=\\/?!\"';")) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}

constexpr std::array<bool, kAsciiCount> kNameTerminators = MakeNameTerminators();

bool StartsWithIgnoreCase(std::u16string_view text, size_t pos, std::u16string_view prefix)
{
    if (text.size() - pos < prefix.size()) {
        return false;
    }
    return NamesEqual(text.substr(pos, prefix.size()), prefix, true);
}

size_t SkipSpace(std::u16string_view text, size_t i)
{
    while (i < text.size() && IsMarkupSpace(text[i])) {
        ++i;
    }
    return i;
}

size_t SkipName(std::u16string_view text, size_t i)
{
    while (i < text.size() && !IsNameTerminator(text[i])) {
        ++i;
    }
    return i;
}

void SetDefect(ScannedNode& node, ScanDefect defect, size_t offset)
{
    if (node.defect == ScanDefect::None) {
        node.defect = defect;
        node.defectOffset = offset;
    }
}

// A node delimited by an opening and a closing sequence; unterminated ones run to the end.
ScannedNode ScanDelimited(std::u16string_view text, size_t pos, NodeKind kind, size_t openLength,
                          std::u16string_view close, ScanDefect unterminated)
{
    ScannedNode node;
    node.kind = kind;
    node.start = pos;
    const size_t end = text.find(close, pos + openLength);
    if (end == std::u16string_view::npos) {
        node.length = text.size() - pos;
        SetDefect(node, unterminated, pos);
    } else {
        node.length = end + close.size() - pos;
    }
    return node;
}

ScannedNode ScanDoctype(std::u16string_view text, size_t pos)
{
    ScannedNode node;
    node.kind = NodeKind::Doctype;
    node.start = pos;
    size_t i = pos + kDoctypeOpen.size();
    int depth = 0; // inside the internal subset's brackets
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c == u'"' || c == u'\'') {
            const size_t close = text.find(c, i + 1);
            if (close == std::u16string_view::npos) {
                break;
            }
            i = close + 1;
            continue;
        }
        if (c == u'[') {
            ++depth;
        } else if (c == u']' && depth > 0) {
            --depth;
        } else if (c == u'>' && depth == 0) {
            node.length = i + 1 - pos;
            return node;
        }
        ++i;
    }
    node.length = text.size() - pos;
    SetDefect(node, ScanDefect::DoctypeUnterminated, pos);
    return node;
}

// "<!" followed by something this reader does not know: skipped up to the next ">".
ScannedNode ScanInvalidBang(std::u16string_view text, size_t pos, ScanDefect defect)
{
    ScannedNode node;
    node.kind = NodeKind::Invalid;
    node.start = pos;
    SetDefect(node, defect, pos);
    const size_t end = text.find(u'>', pos + 2);
    if (end == std::u16string_view::npos) {
        node.length = text.size() - pos;
        node.defect = ScanDefect::TagUnterminated;
    } else {
        node.length = end + 1 - pos;
    }
    return node;
}

ScannedNode LoneLessThan(size_t pos)
{
    ScannedNode node;
    node.kind = NodeKind::Text;
    node.start = pos;
    node.length = 1;
    SetDefect(node, ScanDefect::IncorrectNameChar, pos + 1);
    return node;
}

ScannedNode ScanEndTag(std::u16string_view text, size_t pos)
{
    const size_t nameStart = pos + 2;
    const size_t nameEnd = SkipName(text, nameStart);
    if (nameEnd == nameStart) {
        return LoneLessThan(pos);
    }
    ScannedNode node;
    node.kind = NodeKind::EndTag;
    node.start = pos;
    node.nameLength = nameEnd - nameStart;
    size_t i = SkipSpace(text, nameEnd);
    if (i < text.size() && text[i] == u'>') {
        node.length = i + 1 - pos;
        return node;
    }
    // Junk before the ">": tolerated, unless a new tag starts first.
    while (i < text.size() && text[i] != u'>' && text[i] != u'<') {
        ++i;
    }
    if (i < text.size() && text[i] == u'>') {
        SetDefect(node, ScanDefect::IncorrectTag, pos);
        node.length = i + 1 - pos;
    } else {
        SetDefect(node, ScanDefect::EndTagUnterminated, pos);
        node.length = i - pos;
    }
    return node;
}

ScannedNode ScanStartTag(std::u16string_view text, size_t pos)
{
    ScannedNode node;
    node.kind = NodeKind::StartTag;
    node.start = pos;
    const size_t nameEnd = SkipName(text, pos + 1);
    node.nameLength = nameEnd - (pos + 1);
    size_t i = nameEnd;
    while (true) {
        i = SkipSpace(text, i);
        if (i >= text.size()) {
            node.length = text.size() - pos;
            node.defect = ScanDefect::ElementTagUnterminated;
            node.defectOffset = pos;
            return node;
        }
        const char16_t c = text[i];
        if (c == u'>') {
            node.length = i + 1 - pos;
            return node;
        }
        if (c == u'/' && i + 1 < text.size() && text[i + 1] == u'>') {
            node.selfClosing = true;
            node.length = i + 2 - pos;
            return node;
        }
        if (c == u'<') {
            // A new tag begins: this one ends here.
            SetDefect(node, ScanDefect::IncorrectTag, i);
            node.length = i - pos;
            return node;
        }
        if (IsNameTerminator(c)) {
            SetDefect(node, ScanDefect::IncorrectTag, i);
            ++i;
            continue;
        }
        i = SkipSpace(text, SkipName(text, i));
        if (i >= text.size() || text[i] != u'=') {
            SetDefect(node, ScanDefect::IncorrectTag, i); // attribute without a value
            continue;
        }
        i = SkipSpace(text, i + 1);
        if (i < text.size() && (text[i] == u'"' || text[i] == u'\'')) {
            const size_t close = text.find(text[i], i + 1);
            if (close == std::u16string_view::npos) {
                node.length = text.size() - pos;
                node.defect = ScanDefect::ElementTagUnterminated;
                node.defectOffset = pos;
                return node;
            }
            i = close + 1;
            continue;
        }
        // Unquoted value, as HTML allows.
        SetDefect(node, ScanDefect::IncorrectTag, i);
        while (i < text.size() && !IsMarkupSpace(text[i]) && text[i] != u'>' && text[i] != u'<' &&
               !(text[i] == u'/' && i + 1 < text.size() && text[i + 1] == u'>')) {
            ++i;
        }
    }
}

} // namespace

bool IsMarkupSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool IsNameTerminator(char16_t c)
{
    return c < kAsciiCount && kNameTerminators[c];
}

bool NamesEqual(std::u16string_view a, std::u16string_view b, bool ignoreCase)
{
    if (!ignoreCase) {
        return a == b;
    }
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

ScannedNode ScanNode(std::u16string_view text, size_t pos)
{
    if (text[pos] != u'<') {
        ScannedNode node;
        node.kind = NodeKind::Text;
        node.start = pos;
        const char16_t* const begin = text.data();
        const char16_t* const end = begin + text.size();
        node.length = static_cast<size_t>(FindLessThan(begin + pos + 1, end) - begin) - pos;
        return node;
    }
    if (pos + 1 >= text.size()) {
        return LoneLessThan(pos);
    }
    const char16_t second = text[pos + 1];
    if (second == u'/') {
        return ScanEndTag(text, pos);
    }
    if (second == u'?') {
        ScannedNode node = ScanDelimited(text, pos, NodeKind::ProcessingInstruction, 2, kPiClose,
                                         ScanDefect::ProcessingInstructionUnterminated);
        node.nameLength = SkipName(text, pos + 2) - (pos + 2);
        return node;
    }
    if (second == u'!') {
        if (text.substr(pos, kCommentOpen.size()) == kCommentOpen) {
            return ScanDelimited(text, pos, NodeKind::Comment, kCommentOpen.size(), kCommentClose,
                                 ScanDefect::CommentUnterminated);
        }
        if (text.substr(pos, kCDataOpen.size()) == kCDataOpen) {
            return ScanDelimited(text, pos, NodeKind::CData, kCDataOpen.size(), kCDataClose,
                                 ScanDefect::CDataUnterminated);
        }
        if (StartsWithIgnoreCase(text, pos, kDoctypeOpen)) {
            return ScanDoctype(text, pos);
        }
        if (pos + 2 < text.size() && text[pos + 2] == u'-') {
            return ScanInvalidBang(text, pos, ScanDefect::IncorrectCommentTag);
        }
        return ScanInvalidBang(text, pos, ScanDefect::IncorrectBangTag);
    }
    if (IsNameTerminator(second)) {
        return LoneLessThan(pos);
    }
    return ScanStartTag(text, pos);
}

std::string_view DefectText(ScanDefect defect)
{
    switch (defect) {
    case ScanDefect::None:
        return "";
    case ScanDefect::IncorrectNameChar:
        return "Incorrect tag name character";
    case ScanDefect::IncorrectBangTag:
        return "Incorrect ! tag";
    case ScanDefect::IncorrectCommentTag:
        return "Incorrect comment tag";
    case ScanDefect::IncorrectTag:
        return "Incorrect tag";
    case ScanDefect::ElementTagUnterminated:
        return "Element tag";
    case ScanDefect::EndTagUnterminated:
        return "Element end tag";
    case ScanDefect::CDataUnterminated:
        return "CDATA Section";
    case ScanDefect::ProcessingInstructionUnterminated:
        return "Processing instruction";
    case ScanDefect::CommentUnterminated:
        return "Comment";
    case ScanDefect::DoctypeUnterminated:
        return "Doctype";
    case ScanDefect::TagUnterminated:
        return "tag";
    }
    return "";
}

bool IsUnterminatedDefect(ScanDefect defect)
{
    return defect >= ScanDefect::ElementTagUnterminated;
}

std::optional<std::u16string_view> FindAttribute(std::u16string_view attributes,
                                                 std::u16string_view name, bool ignoreCase)
{
    size_t i = 0;
    while (true) {
        i = SkipSpace(attributes, i);
        if (i >= attributes.size()) {
            return std::nullopt;
        }
        if (IsNameTerminator(attributes[i])) {
            ++i;
            continue;
        }
        const size_t nameStart = i;
        i = SkipName(attributes, i);
        const std::u16string_view attrName = attributes.substr(nameStart, i - nameStart);
        i = SkipSpace(attributes, i);
        if (i >= attributes.size() || attributes[i] != u'=') {
            continue;
        }
        i = SkipSpace(attributes, i + 1);
        size_t valueStart = i;
        size_t valueEnd = i;
        if (i < attributes.size() && (attributes[i] == u'"' || attributes[i] == u'\'')) {
            const size_t close = attributes.find(attributes[i], i + 1);
            valueStart = i + 1;
            valueEnd = close == std::u16string_view::npos ? attributes.size() : close;
            i = valueEnd == attributes.size() ? valueEnd : valueEnd + 1;
        } else {
            while (i < attributes.size() && !IsMarkupSpace(attributes[i]) &&
                   attributes[i] != u'>') {
                ++i;
            }
            valueEnd = i;
        }
        if (NamesEqual(attrName, name, ignoreCase)) {
            return attributes.substr(valueStart, valueEnd - valueStart);
        }
    }
}

} // namespace qx71
