#include "core/markup/ElementStore.h"

#include <algorithm>

namespace qx71 {

void ElementStore::Clear()
{
    size_ = 0;
}

void ElementStore::Release()
{
    blocks_.clear();
    lastBlockLength_ = 0;
    capacity_ = 0;
    size_ = 0;
}

void ElementStore::Reserve(size_t records)
{
    if (records <= capacity_) {
        return;
    }
    // Widen a short last block first, then add blocks.
    if (!blocks_.empty() && lastBlockLength_ < kBlockSize) {
        const size_t length = std::min(kBlockSize, lastBlockLength_ + (records - capacity_));
        auto block = std::make_unique<ElementRecord[]>(length);
        std::copy_n(blocks_.back().get(), lastBlockLength_, block.get());
        capacity_ += length - lastBlockLength_;
        blocks_.back() = std::move(block);
        lastBlockLength_ = length;
    }
    while (capacity_ < records) {
        const size_t length = std::min(kBlockSize, records - capacity_);
        blocks_.push_back(std::make_unique<ElementRecord[]>(length));
        capacity_ += length;
        lastBlockLength_ = length;
    }
}

uint32_t ElementStore::Add()
{
    if (size_ == capacity_) {
        Reserve(capacity_ + capacity_ / 2 + 1);
    }
    (*this)[size_] = ElementRecord{};
    return static_cast<uint32_t>(size_++);
}

} // namespace qx71
