#include "core/hooks/ShellOpenText.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(ShellOpenText, QuotesOnlyPathsWithASpace)
{
    const struct {
        std::u16string path;
        std::u16string handed;
    } cases[] = {
        {u"C:\\My Files", u"\"C:\\My Files\""},
        {u"C:\\Music\\a b.wav", u"\"C:\\Music\\a b.wav\""},
        {u"C:\\Docs\\notes.txt", u"C:\\Docs\\notes.txt"},
        {u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShellOpenText(c.path), c.handed);
    }
}

} // namespace
} // namespace qx71
