#include "platform/linux/IconvTextCodec.h"

#include "core/markup/EncodingNames.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(IconvTextCodec, HasEveryCodePageTheEncodingNamesReach)
{
    // The code pages of the common aliases of a declaration's encoding name.
    const uint32_t codePages[] = {65001, 1200, 1201,  65000, 936,   950,
                                  932,   949,  51932, 50220, 20866, 28591,
                                  28605, 1250, 1258,  20127, 10000, kCodePageUtf32Le};
    for (const uint32_t codePage : codePages) {
        EXPECT_TRUE(IconvTextCodec::IconvName(codePage).has_value()) << codePage;
    }
}

TEST(IconvTextCodec, ReplacesBadBytesAndKeepsGoing)
{
    IconvTextCodec codec;
    std::u16string out;
    const uint8_t gbk[] = {0xD6, 0xD0, 0xFF, 'a', 0xD6};
    ASSERT_TRUE(codec.ToUtf16(936, gbk, out));
    EXPECT_EQ(out, u"\u4E2D\uFFFDa\uFFFD");
    out.clear();
    const uint8_t holes[] = {0x81, 0x80};
    ASSERT_TRUE(codec.ToUtf16(1252, holes, out));
    EXPECT_EQ(out, u"\u0081\u20AC");
    EXPECT_FALSE(codec.ToUtf16(4242, holes, out));
}

} // namespace
} // namespace qx71
