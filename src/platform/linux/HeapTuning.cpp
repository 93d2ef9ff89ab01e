#include "platform/linux/HeapTuning.h"

#include <malloc.h>

namespace qx71 {
namespace {

// glibc's own starting threshold, held fixed.
constexpr int kLargeBlockBytes = 128 * 1024;

} // namespace

bool KeepLargeBlocksOutOfTheHeap()
{
#if defined(__GLIBC__)
    return mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes) == 1;
#else
    return true;
#endif
}

} // namespace qx71
