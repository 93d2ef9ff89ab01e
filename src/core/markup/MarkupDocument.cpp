#include "core/markup/MarkupDocument.h"

#include "core/common/IFileSystem.h"
#include "core/common/Utf.h"
#include "core/markup/CharacterReferences.h"
#include "core/markup/MarkupScanner.h"
#include "core/markup/MarkupTextDecoder.h"

namespace qx71 {

namespace {

// Element records reserved before a parse: one per this many characters, plus a few.
constexpr size_t kCharsPerReservedRecord = 64;
constexpr size_t kExtraReservedRecords = 8;
// An end tag that does not close the innermost open element may close one at most this many
// levels further out; beyond that it is ignored. Keeps broken documents linear to parse.
constexpr size_t kMaxEndTagSearchDepth = 64;
// Names in diagnostics are cut to this many characters.
constexpr size_t kMaxDiagnosticName = 64;

bool IsAllSpace(std::u16string_view text)
{
    for (char16_t c : text) {
        if (!IsMarkupSpace(c)) {
            return false;
        }
    }
    return true;
}

std::string FileErrorText(FileError error)
{
    switch (error) {
    case FileError::NotFound:
        return "The system cannot find the file specified. ";
    case FileError::FolderMissing:
        return "The system cannot find the path specified. ";
    case FileError::AccessDenied:
        return "Access is denied. ";
    case FileError::NotRegular:
        return "The file is not a regular file. ";
    case FileError::None:
    case FileError::Unreadable:
    case FileError::Other:
        break;
    }
    return "The file cannot be read. ";
}

} // namespace

MarkupDocument::MarkupDocument(IFileSystem& files, ITextCodec& codec) : files_(files), codec_(codec)
{
    Clear();
}

void MarkupDocument::Clear()
{
    text_.clear();
    // A large document's records are not kept for the small ones that usually follow.
    if (elements_.Capacity() > ElementStore::kBlockSize) {
        elements_.Release();
    } else {
        elements_.Clear();
    }
    elements_.Add(); // the document itself
    fileFlags_ = 0;
    readError_ = FileError::None;
    wellFormed_ = false;
    readNotes_.clear();
    diagnostics_.clear();
    droppedDiagnostics_ = 0;
    ResetPosition();
}

bool MarkupDocument::LoadFile(const std::filesystem::path& path)
{
    Clear();
    FileReadResult read = files_.ReadFile(path, kMaxFileBytes + 1);
    if (!read.ok()) {
        readError_ = read.error;
        readNotes_ = FileErrorText(read.error);
        return false;
    }
    const bool wellFormed = LoadBytes(read.bytes);
    if (read.bytes.size() > kMaxFileBytes) {
        readError_ = FileError::Other;
    }
    return wellFormed;
}

bool MarkupDocument::LoadBytes(std::span<const uint8_t> bytes)
{
    Clear();
    if (bytes.size() > kMaxFileBytes) {
        readNotes_ = "File larger than " + std::to_string(kMaxFileBytes) + " bytes ";
        return false;
    }
    DecodedMarkup decoded = DecodeMarkupBytes(bytes, codec_);
    text_ = std::move(decoded.text);
    fileFlags_ = decoded.fileFlags;
    readNotes_ = std::move(decoded.notes);
    Parse();
    return wellFormed_;
}

bool MarkupDocument::SetText(std::u16string text)
{
    Clear();
    if (text.size() > kMaxFileBytes) {
        readNotes_ = "Text longer than " + std::to_string(kMaxFileBytes) + " characters ";
        return false;
    }
    text_ = std::move(text);
    Parse();
    return wellFormed_;
}

void MarkupDocument::AddDiagnostic(std::string text)
{
    if (diagnostics_.size() < kMaxDiagnostics) {
        diagnostics_.push_back(std::move(text));
    } else {
        ++droppedDiagnostics_;
    }
}

std::string MarkupDocument::NameForDiagnostic(std::u16string_view name) const
{
    return Utf16ToUtf8(name.substr(0, kMaxDiagnosticName));
}

std::u16string_view MarkupDocument::ElementName(uint32_t index) const
{
    if (index == 0 || index >= elements_.Size()) {
        return {};
    }
    const ElementRecord& e = elements_[index];
    return std::u16string_view(text_).substr(e.offset + 1, e.nameLength);
}

void MarkupDocument::Parse()
{
    const std::u16string_view text(text_);
    elements_.Reserve(text.size() / kCharsPerReservedRecord + kExtraReservedRecords);
    elements_[0].length = static_cast<uint32_t>(text.size());

    // The open elements from the document down, and the last child of each so far.
    std::vector<uint32_t> open{0};
    std::vector<uint32_t> lastChild{0};
    size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] != u'<') {
            // Text: nothing to record.
            pos = static_cast<size_t>(
                FindLessThan(text.data() + pos + 1, text.data() + text.size()) - text.data());
            continue;
        }
        const ScannedNode node = ScanNode(text, pos);
        pos += node.length;
        if (node.defect != ScanDefect::None) {
            std::string line(DefectText(node.defect));
            line += " at offset " + std::to_string(node.defectOffset);
            if (IsUnterminatedDefect(node.defect)) {
                line += " unterminated";
            }
            AddDiagnostic(std::move(line));
        }
        if (node.kind == NodeKind::StartTag) {
            const uint32_t parent = open.back();
            const uint32_t prev = lastChild.back();
            const uint32_t index = elements_.Add();
            ElementRecord& e = elements_[index];
            e.offset = static_cast<uint32_t>(node.start);
            e.startTagLength = static_cast<uint32_t>(node.length);
            e.length = e.startTagLength;
            e.nameLength = static_cast<uint32_t>(node.nameLength);
            e.parent = parent;
            e.prevSibling = prev;
            if (node.defect != ScanDefect::None) {
                e.flags |= kElementIllFormed;
            }
            if (prev != 0) {
                elements_[prev].nextSibling = index;
            } else {
                elements_[parent].firstChild = index;
            }
            lastChild.back() = index;
            if (!node.selfClosing && node.defect != ScanDefect::ElementTagUnterminated) {
                open.push_back(index);
                lastChild.push_back(0);
            }
            continue;
        }
        if (node.kind != NodeKind::EndTag) {
            continue;
        }
        const std::u16string_view name = text.substr(node.start + 2, node.nameLength);
        size_t matched = 0;
        for (size_t d = open.size() - 1; d >= 1 && open.size() - 1 - d < kMaxEndTagSearchDepth;
             --d) {
            if (ElementName(open[d]) == name) {
                matched = d;
                break;
            }
        }
        if (matched == 0 && open.size() == 1) {
            AddDiagnostic("No start tag for end tag '" + NameForDiagnostic(name) + "' at offset " +
                          std::to_string(node.start));
            continue;
        }
        if (matched == 0) {
            // Most likely a misspelt end tag: it ends the innermost open element.
            AddDiagnostic("End tag '" + NameForDiagnostic(name) + "' at offset " +
                          std::to_string(node.start) + " does not match start tag '" +
                          NameForDiagnostic(ElementName(open.back())) + "' at offset " +
                          std::to_string(elements_[open.back()].offset));
        } else if (matched + 1 < open.size()) {
            CloseNotEnded(open, lastChild, matched);
        }
        ElementRecord& e = elements_[open.back()];
        e.length = static_cast<uint32_t>(node.start + node.length - e.offset);
        e.endTagLength = static_cast<uint32_t>(node.length);
        if (node.defect != ScanDefect::None || matched == 0) {
            e.flags |= kElementIllFormed;
        }
        open.pop_back();
        lastChild.pop_back();
    }

    // Elements still open run to the end of the text and keep their children, so that a
    // truncated file stays as searchable as possible.
    while (open.size() > 1) {
        ElementRecord& e = elements_[open.back()];
        e.length = static_cast<uint32_t>(text.size() - e.offset);
        e.flags |= kElementNotEnded;
        AddDiagnostic("Element '" + NameForDiagnostic(ElementName(open.back())) + "' at offset " +
                      std::to_string(e.offset) + " not ended");
        open.pop_back();
    }

    size_t roots = 0;
    for (uint32_t e = elements_[0].firstChild; e != 0; e = elements_[e].nextSibling) {
        ++roots;
    }
    if (text.empty()) {
        AddDiagnostic("Empty document");
    } else if (roots == 0) {
        AddDiagnostic("No root element");
    } else if (roots > 1) {
        AddDiagnostic("Root element has sibling");
    }
    wellFormed_ = diagnostics_.empty() && droppedDiagnostics_ == 0;
}

// The end tag of open[matched] arrived while elements inside it were still open. Those get no
// end tag: each becomes an empty element and what was inside it follows it as siblings, as
// HTML treats <br>. Every child moves once, so this stays linear.
void MarkupDocument::CloseNotEnded(std::vector<uint32_t>& open, std::vector<uint32_t>& lastChild,
                                   size_t matched)
{
    const uint32_t parent = open[matched];
    uint32_t tail = lastChild[matched];
    for (size_t k = matched + 1; k < open.size(); ++k) {
        const uint32_t index = open[k];
        AddDiagnostic("Element '" + NameForDiagnostic(ElementName(index)) + "' at offset " +
                      std::to_string(elements_[index].offset) + " not ended");
        tail = index;
        const uint32_t first = elements_[index].firstChild;
        if (first != 0) {
            for (uint32_t c = first; c != 0; c = elements_[c].nextSibling) {
                elements_[c].parent = parent;
                tail = c;
            }
            elements_[index].nextSibling = first;
            elements_[first].prevSibling = index;
            elements_[index].firstChild = 0;
        }
        ElementRecord& e = elements_[index];
        e.length = e.startTagLength;
        e.flags |= kElementNotEnded;
    }
    open.resize(matched + 1);
    lastChild.resize(matched + 1);
    lastChild[matched] = tail;
}

void MarkupDocument::ResetPosition()
{
    parent_ = 0;
    current_ = 0;
    child_ = 0;
}

uint32_t MarkupDocument::FindNamed(uint32_t first, std::u16string_view name) const
{
    for (uint32_t e = first; e != 0; e = elements_[e].nextSibling) {
        if (name.empty() || ElementName(e) == name) {
            return e;
        }
    }
    return 0;
}

bool MarkupDocument::FindElement(std::u16string_view name)
{
    const uint32_t start =
        current_ != 0 ? elements_[current_].nextSibling : elements_[parent_].firstChild;
    const uint32_t found = FindNamed(start, name);
    if (found == 0) {
        return false;
    }
    current_ = found;
    child_ = 0;
    return true;
}

bool MarkupDocument::FindChildElement(std::u16string_view name)
{
    if (current_ == 0 && !FindElement()) {
        return false;
    }
    const uint32_t start =
        child_ != 0 ? elements_[child_].nextSibling : elements_[current_].firstChild;
    const uint32_t found = FindNamed(start, name);
    if (found == 0) {
        return false;
    }
    child_ = found;
    return true;
}

bool MarkupDocument::EnterElement()
{
    if (current_ == 0) {
        return false;
    }
    parent_ = current_;
    current_ = child_;
    child_ = 0;
    return true;
}

std::u16string MarkupDocument::ChildText() const
{
    return child_ != 0 ? ElementText(child_) : std::u16string();
}

std::u16string MarkupDocument::ElementText(uint32_t index) const
{
    if (index == 0 || index >= elements_.Size()) {
        return {};
    }
    const ElementRecord& e = elements_[index];
    const size_t contentStart = static_cast<size_t>(e.offset) + e.startTagLength;
    const size_t contentEnd = static_cast<size_t>(e.offset) + e.length - e.endTagLength;
    if (e.firstChild != 0 || contentEnd <= contentStart) {
        return {};
    }
    const std::u16string_view content =
        std::u16string_view(text_).substr(contentStart, contentEnd - contentStart);
    std::u16string out;
    if (content.find(u'<') == std::u16string_view::npos) {
        AppendDecodedText(out, content);
        return out;
    }
    size_t pos = 0;
    while (pos < content.size()) {
        const ScannedNode node = ScanNode(content, pos);
        pos += node.length;
        const std::u16string_view piece = content.substr(node.start, node.length);
        if (node.kind == NodeKind::Text) {
            if (!IsAllSpace(piece)) {
                AppendDecodedText(out, piece);
            }
        } else if (node.kind == NodeKind::CData) {
            std::u16string_view inner = piece.substr(kCDataOpen.size());
            if (inner.size() >= kCDataClose.size() &&
                inner.substr(inner.size() - kCDataClose.size()) == kCDataClose) {
                inner.remove_suffix(kCDataClose.size());
            }
            out.append(inner);
        }
    }
    return out;
}

std::string MarkupDocument::ResultText() const
{
    std::string out = readNotes_;
    for (const auto& line : diagnostics_) {
        out += '\n';
        out += line;
    }
    if (droppedDiagnostics_ != 0) {
        out += "\n(" + std::to_string(droppedDiagnostics_) + " more)";
    }
    return out;
}

} // namespace qx71
