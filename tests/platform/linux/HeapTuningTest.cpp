// Large blocks keep their own mappings after a larger one was freed.
#include "platform/linux/HeapTuning.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <malloc.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define QX71_ALLOCATOR_REPLACED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QX71_ALLOCATOR_REPLACED 1
#endif

namespace qx71 {
namespace {

TEST(HeapTuning, ASheetSizedBlockIsMappedEvenAfterALargerOneWasFreed)
{
#if defined(QX71_ALLOCATOR_REPLACED) || !defined(__GLIBC__)
    GTEST_SKIP() << "the sanitizers bring their own allocator";
#else
    ASSERT_TRUE(KeepLargeBlocksOutOfTheHeap());
    // Without the fixed threshold, this free would lift it above the next block's size.
    std::free(std::malloc(4u << 20));
    const auto mappedBefore = mallinfo2().hblks;
    void* sheet = std::malloc(1700u * 1024u);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(mallinfo2().hblks, mappedBefore + 1);
    std::free(sheet);
#endif
}

} // namespace
} // namespace qx71
