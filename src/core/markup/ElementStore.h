#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace qx71 {

enum ElementFlag : uint32_t {
    kElementNotEnded = 1u << 0,  // no end tag: an empty element, or one that runs to the end
    kElementIllFormed = 1u << 1, // its tags carry a defect
};

// One element of the tree. Offsets and lengths count UTF-16 units of the document text;
// links are element numbers, 0 meaning none (element 0 is the document itself).
struct ElementRecord {
    uint32_t offset = 0; // of the start tag, and of the whole element
    uint32_t startTagLength = 0;
    uint32_t length = 0; // of the whole element, end tag included
    uint32_t endTagLength = 0;
    uint32_t nameLength = 0; // the name follows the "<" of the start tag
    uint32_t parent = 0;
    uint32_t firstChild = 0;
    uint32_t nextSibling = 0;
    uint32_t prevSibling = 0;
    uint32_t flags = 0;
};

// The element records, in blocks of 65536 so that a large document needs no single huge
// array. Only the last block may be shorter than a full one.
class ElementStore {
public:
    static constexpr size_t kBlockSize = 65536;

    void Clear();
    // Clear and give the memory back.
    void Release();
    // Makes room for `records` records in all.
    void Reserve(size_t records);
    // Appends a zeroed record and returns its number; the room grows by half when full.
    uint32_t Add();
    size_t Size() const { return size_; }
    size_t Capacity() const { return capacity_; }

    ElementRecord& operator[](size_t i) { return blocks_[i / kBlockSize][i % kBlockSize]; }
    const ElementRecord& operator[](size_t i) const
    {
        return blocks_[i / kBlockSize][i % kBlockSize];
    }

private:
    std::vector<std::unique_ptr<ElementRecord[]>> blocks_;
    size_t lastBlockLength_ = 0;
    size_t capacity_ = 0;
    size_t size_ = 0;
};

} // namespace qx71
