#pragma once

namespace qx71 {

// Blocks of 128 KiB and more (the skin sheets, about 1.7 MB each) get mappings of their own,
// given back to the system when freed. glibc otherwise raises that threshold after the first
// such free and serves later sheets from the heap, where what is freed stays resident.
// False when the allocator refuses: the program then only uses more memory.
bool KeepLargeBlocksOutOfTheHeap();

} // namespace qx71
