#include "core/macro/MacroEventSyntax.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

std::optional<uint32_t> Lookup(std::u16string_view name)
{
    if (name == u"A") {
        return 0x41;
    }
    if (name == u"Page Up") {
        return 0x21;
    }
    return std::nullopt;
}

TEST(MacroEventSyntax, ReadsKeysPausesAndCodes)
{
    struct Case {
        const char* token;
        MacroItemKind kind;
        uint32_t value;
    };
    const Case cases[] = {
        {"down:A", MacroItemKind::Press, 0x41},
        {"up:A", MacroItemKind::Release, 0x41},
        {"down:Page Up", MacroItemKind::Press, 0x21},
        {"down:#0x5B", MacroItemKind::Press, 0x5B},
        {"up:#255", MacroItemKind::Release, 255},
        {"120ms", MacroItemKind::Pause, 120},
        {"0ms", MacroItemKind::Pause, 0},
        {"16777215ms", MacroItemKind::Pause, 16777215},
    };
    for (const Case& c : cases) {
        const MacroEventParse p = ParseMacroEventToken(c.token, Lookup);
        ASSERT_TRUE(p.item) << c.token << ": " << p.error;
        EXPECT_EQ(p.item->kind, c.kind) << c.token;
        EXPECT_EQ(p.item->value, c.value) << c.token;
    }
}

TEST(MacroEventSyntax, RefusesWhatItCannotRead)
{
    for (const char* token : {"down:", "down:B", "press:A", "A", "ms", "12 ms", "0x10ms",
                              "16777216ms", "-5ms", "down:#0", "down:#256", "down:#0x", "up:#x1"}) {
        const MacroEventParse p = ParseMacroEventToken(token, Lookup);
        EXPECT_FALSE(p.item) << token;
        EXPECT_FALSE(p.error.empty()) << token;
    }
}

} // namespace
} // namespace qx71
