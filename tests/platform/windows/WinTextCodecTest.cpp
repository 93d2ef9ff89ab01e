#include "platform/windows/WinTextCodec.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(WinTextCodec, ConvertsTheCodePagesOfTheLanguageFiles)
{
    const struct {
        uint32_t codePage;
        std::vector<uint8_t> bytes;
        std::u16string text;
    } cases[] = {
        {936, {0xD6, 0xD0, 'a'}, u"\u4E2Da"},
        {949, {0xC7, 0xD1}, u"\uD55C"},
        {1251, {0xC6}, u"\u0416"},
        {1252, {0x80, 0xE9}, u"\u20AC\u00E9"},
    };
    WinTextCodec codec;
    for (const auto& c : cases) {
        std::u16string out = u">";
        ASSERT_TRUE(codec.ToUtf16(c.codePage, c.bytes, out)) << c.codePage;
        EXPECT_EQ(out, u">" + c.text) << c.codePage;
    }
}

TEST(WinTextCodec, RefusesAnUnknownCodePageAndLeavesTheTextAlone)
{
    WinTextCodec codec;
    std::u16string out = u"kept";
    const uint8_t bytes[] = {'a'};
    EXPECT_FALSE(codec.ToUtf16(4242, bytes, out));
    EXPECT_EQ(out, u"kept");
    EXPECT_NE(codec.AnsiCodePage(), 0u);
}

} // namespace
} // namespace qx71
