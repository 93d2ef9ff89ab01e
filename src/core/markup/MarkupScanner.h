#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace qx71 {

// The brackets of a character-data section, which the scanner finds and the document strips.
inline constexpr std::u16string_view kCDataOpen = u"<![CDATA[";
inline constexpr std::u16string_view kCDataClose = u"]]>";

// One node of markup text as the scanner sees it, without regard to nesting.
enum class NodeKind : uint8_t {
    Text,
    StartTag, // also the self-closing form
    EndTag,
    CData,
    Comment,
    ProcessingInstruction,
    Doctype,
    Invalid, // a "<!" construct that is none of the above; skipped
};

// Faults the scanner finds in a single node. Each has a fixed diagnostic text.
enum class ScanDefect : uint8_t {
    None,
    IncorrectNameChar,
    IncorrectBangTag,
    IncorrectCommentTag,
    IncorrectTag,
    // The "unterminated" kinds; they stay last (IsUnterminatedDefect relies on it).
    ElementTagUnterminated,
    EndTagUnterminated,
    CDataUnterminated,
    ProcessingInstructionUnterminated,
    CommentUnterminated,
    DoctypeUnterminated,
    TagUnterminated,
};

struct ScannedNode {
    NodeKind kind = NodeKind::Text;
    size_t start = 0;
    size_t length = 0;     // always at least 1, so scanning always moves on
    size_t nameLength = 0; // tag name (after "<" or "</"), or the target of "<?"
    bool selfClosing = false;
    ScanDefect defect = ScanDefect::None;
    size_t defectOffset = 0;
};

// The first "<" in [p, end), or end. Text runs are the bulk of a document, so this looks at
// four characters at a time.
inline const char16_t* FindLessThan(const char16_t* p, const char16_t* end)
{
    constexpr uint64_t kOnes = 0x0001000100010001ull;
    constexpr uint64_t kHighs = 0x8000800080008000ull;
    constexpr uint64_t kLessThans = kOnes * u'<';
    while (end - p >= 4) {
        uint64_t block = 0;
        std::memcpy(&block, p, sizeof(block));
        const uint64_t x = block ^ kLessThans; // a zero lane where the character is "<"
        if (((x - kOnes) & ~x & kHighs) != 0) {
            break;
        }
        p += 4;
    }
    while (p < end && *p != u'<') {
        ++p;
    }
    return p;
}

// Scans the node that starts at `pos` (pos < text.size()). A "<" that cannot start a tag is
// returned as a one-character text node with IncorrectNameChar.
ScannedNode ScanNode(std::u16string_view text, size_t pos);

// True for the characters that end a name: white space and < > = \ / ? ! " ' ;
bool IsNameTerminator(char16_t c);
bool IsMarkupSpace(char16_t c);

// The diagnostic text of a scanner defect, such as "Incorrect tag" or "Comment"; the caller
// adds the offset (and " unterminated" where IsUnterminatedDefect).
std::string_view DefectText(ScanDefect defect);
bool IsUnterminatedDefect(ScanDefect defect);

// The value of attribute `name` among the attributes in `attributes` (the inside of a tag
// after its name), quotes removed; ASCII letter case is ignored when `ignoreCase`.
std::optional<std::u16string_view> FindAttribute(std::u16string_view attributes,
                                                 std::u16string_view name, bool ignoreCase);

// Equality of two names, optionally without regard to ASCII letter case.
bool NamesEqual(std::u16string_view a, std::u16string_view b, bool ignoreCase);

} // namespace qx71
