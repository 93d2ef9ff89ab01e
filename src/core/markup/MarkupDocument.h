#pragma once

#include "core/common/IFileSystem.h"
#include "core/markup/ElementStore.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qx71 {

class ITextCodec;

// A small tolerant XML reader: reads a file in any common encoding into UTF-16 text, builds
// the element tree and lets the caller walk it by element name. Broken documents never stop
// it: whatever elements it recognised stay searchable. Names compare with letter case
// significant. Not thread-safe: see SharedMarkupDocument.
class MarkupDocument {
public:
    // Larger files are refused (the reader's own files are a few kilobytes).
    static constexpr size_t kMaxFileBytes = 16u * 1024 * 1024;
    // Diagnostics kept in the result text; the rest are only counted.
    static constexpr size_t kMaxDiagnostics = 100;

    MarkupDocument(IFileSystem& files, ITextCodec& codec);

    // Reads, decodes and parses the file. False when it cannot be read (the document is then
    // empty) or is not well formed (its elements are still searchable).
    bool LoadFile(const std::filesystem::path& path);
    // The same for the bytes of a file already in memory.
    bool LoadBytes(std::span<const uint8_t> bytes);
    // Parses text that is already UTF-16.
    bool SetText(std::u16string text);

    // Navigation: a parent element, a current element and a current child (0 = none).
    void ResetPosition();
    // The next element after the current one among the parent's children named `name` (any
    // name when empty) becomes current. Unchanged when there is none.
    bool FindElement(std::u16string_view name = {});
    // Makes the root current when nothing is, then finds the next child of the current
    // element named `name` (any when empty) after the current child.
    bool FindChildElement(std::u16string_view name = {});
    // The current element becomes the parent and the current child the current element.
    bool EnterElement();
    // The text of the current child; empty when there is none.
    std::u16string ChildText() const;

    bool IsWellFormed() const { return wellFormed_; }
    // Why the last LoadFile could not read its file (None when it could).
    FileError ReadError() const { return readError_; }
    const std::u16string& Text() const { return text_; }
    uint32_t FileFlags() const { return fileFlags_; }
    // How the last file was read, then one line per defect of the parse.
    std::string ResultText() const;
    const std::vector<std::string>& Diagnostics() const { return diagnostics_; }

    // The tree, for tools and tests. Element 0 is the document; its children are the
    // top-level elements.
    size_t ElementCount() const { return elements_.Size(); }
    const ElementRecord& Element(uint32_t index) const { return elements_[index]; }
    std::u16string_view ElementName(uint32_t index) const;
    // The text of an element: empty when it has child elements or no content; otherwise its
    // text pieces with references decoded and its CDATA sections, without comments,
    // processing instructions and pieces of white space only.
    std::u16string ElementText(uint32_t index) const;

private:
    void Clear();
    void Parse();
    void AddDiagnostic(std::string text);
    std::string NameForDiagnostic(std::u16string_view name) const;
    void CloseNotEnded(std::vector<uint32_t>& open, std::vector<uint32_t>& lastChild,
                       size_t matched);
    uint32_t FindNamed(uint32_t first, std::u16string_view name) const;

    IFileSystem& files_;
    ITextCodec& codec_;
    std::u16string text_;
    ElementStore elements_;
    uint32_t fileFlags_ = 0;
    FileError readError_ = FileError::None;
    bool wellFormed_ = false;
    std::string readNotes_;
    std::vector<std::string> diagnostics_;
    size_t droppedDiagnostics_ = 0;

    uint32_t parent_ = 0;
    uint32_t current_ = 0;
    uint32_t child_ = 0;
};

} // namespace qx71
