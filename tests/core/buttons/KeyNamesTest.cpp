#include "core/buttons/KeyNames.h"
#include "core/buttons/ComboText.h"
#include "core/buttons/KeyUsageMap.h"
#include "core/buttons/MacroKeyNames.h"

#include <gtest/gtest.h>

#include <set>

namespace qx71 {
namespace {

TEST(KeyUsageMap, PairsInTableOrder)
{
    // Spot checks across the runs, including the ends of each range.
    const std::pair<uint8_t, uint8_t> pairs[] = {
        {0x29, 0x1B}, {0x3A, 0x70}, {0x45, 0x7B}, {0x04, 0x41}, {0x1D, 0x5A},
        {0x1E, 0x31}, {0x26, 0x39}, {0x27, 0x30}, {0x35, 0xC0}, {0x46, 0x2C},
        {0x4F, 0x27}, {0x59, 0x61}, {0x61, 0x69}, {0x62, 0x60}, {0x63, 0x6E},
        {0xE3, 0x5B}, {0xE7, 0x5C}, {0x65, 0x5D}, {0xF0, 0x01}, {0xF2, 0x04},
    };
    EXPECT_EQ(kKeyUsageMap.front().usage, 0x29);
    EXPECT_EQ(kKeyUsageMap[51].usage, 0x28); // pair 52: Enter
    EXPECT_EQ(kKeyUsageMap[93].usage, 0x58); // pair 94: keypad Enter
    EXPECT_EQ(kKeyUsageMap.back().usage, 0xF2);
    for (const auto& [usage, vk] : pairs) {
        EXPECT_EQ(UsageToVk(usage), vk) << std::hex << int(usage);
        EXPECT_EQ(VkToUsage(vk), usage) << std::hex << int(vk);
    }
    // Every usage occurs once, so each one maps back to itself except keypad Enter.
    std::set<uint8_t> usages;
    for (const auto& pair : kKeyUsageMap) {
        usages.insert(pair.usage);
        if (pair.usage != 0x58) {
            EXPECT_EQ(VkToUsage(UsageToVk(pair.usage)), pair.usage);
        }
    }
    EXPECT_EQ(usages.size(), kKeyUsagePairs);
}

TEST(KeyUsageMap, FirstMatchWinsAndUnknownGivesZero)
{
    EXPECT_EQ(VkToUsage(0x0D), 0x28);
    EXPECT_EQ(UsageToVk(0x58), 0x0D);
    EXPECT_EQ(VkToUsage(0x7C), 0); // F13
    EXPECT_EQ(UsageToVk(0x00), 0);
    EXPECT_EQ(UsageToVk(0x68), 0);
    EXPECT_EQ(UsageToVk(0x104), 0);
}

TEST(KeyName, TableEntriesThenTheUsLayout)
{
    const std::pair<uint32_t, std::u16string> cases[] = {
        {0x00, u""},
        {0xFF, u""},
        {0x08, u"Backspace"},
        {0x0D, u"Enter"},
        {0x2B, u"Enter"},
        {0x0C, u"Clr"},
        {0x2C, u"PrtSc SysRq"},
        {0x5B, u"LWin"},
        {0x60, u"(0)"},
        {0x69, u"(9)"},
        {0x6C, u"\\"},
        {0x6F, u"(/)"},
        {0x70, u"F1"},
        {0x7B, u"F12"},
        {0x90, u"Numlock"},
        {0x91, u"Scroll Lock"},
        {0xA2, u"LCtrl"},
        {0xA5, u"RAlt"},
        // From the layout: capitals, digits, unshifted punctuation.
        {0x41, u"A"},
        {0x5A, u"Z"},
        {0x30, u"0"},
        {0x39, u"9"},
        {0xBA, u";"},
        {0xBB, u"="},
        {0xBC, u","},
        {0xBD, u"-"},
        {0xBE, u"."},
        {0xBF, u"/"},
        {0xC0, u"`"},
        {0xDB, u"["},
        {0xDC, u"\\"},
        {0xDD, u"]"},
        {0xDE, u"'"},
        // No character: mouse buttons, keys without one, codes above 255.
        {0x01, u""},
        {0x02, u""},
        {0x04, u""},
        {0x7C, u""},
        {0x141, u""},
        {0x1B + 0x100, u""},
    };
    for (const auto& [vk, name] : cases) {
        EXPECT_EQ(KeyName(vk), name) << std::hex << vk;
    }
}

TEST(ComboText, ModifiersInFixedOrderThenTheKey)
{
    const std::pair<ComboCode, std::u16string> cases[] = {
        {MakeComboCode(0, 0x04), u"A"},
        {MakeComboCode(0x03, 0x04), u"Shift + Ctrl + A"},
        {MakeComboCode(0x04, 0x3D), u"Alt + F4"},
        {MakeComboCode(0, 0xE0), u"LCtrl"},
        {MakeComboCode(0x0F, 0x2C), u"Shift + Ctrl + Alt + Win + Space"},
        {MakeComboCode(0x08, 0x57), u"Win + (+)"},
        {0, u""},
        {MakeComboCode(0x02, 0), u"Shift + "},
        {MakeComboCode(0, 0x59), u"(1)"},
        {MakeComboCode(0, 0x58), u"Enter"},
        {MakeComboCode(0, 0xF0), u""},
        // Bits other than the four modifiers are not shown.
        {MakeComboCode(0x10, 0x04), u"A"},
        {MakeComboCode(0x21, 0x05), u"Ctrl + B"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(ComboText(code), text) << std::hex << code;
    }
    EXPECT_EQ(MakeComboCode(0x04, 0x3D), 0x003D0400u);
}

TEST(MacroKeyName, OwnWordingAndOnlyTheLowByteCounts)
{
    const std::pair<uint32_t, std::u16string> cases[] = {
        {0x41, u"A"},
        {0x5A, u"Z"},
        {0x30, u"0"},
        {0x7B, u"F12"},
        {0x60, u"NUM 0"},
        {0x69, u"NUM 9"},
        {0xC0, u"~"},
        {0xDC, u"|"},
        {0xBC, u"<"},
        {0x14, u"Cap"},
        {0xA0, u"L_Shift"},
        {0x5C, u"R_Win"},
        {0x1B, u"ESC"},
        {0x6C, u"NUM Enter"},
        {0x6E, u"NUM Del"},
        {0x2A, u"Print"},
        {0x91, u"Scroll"},
        {0x26, u"UP"},
        {0x01, u"Left Button"},
        {0x02, u"Right Button"},
        {0x04, u"Middle Button"},
        {0x2C, u""},
        {0x0C, u""},
        {0x00, u""},
        {0x141, u"A"},
        {0xC0000001, u"Left Button"},
    };
    for (const auto& [code, name] : cases) {
        EXPECT_EQ(MacroKeyName(code), name) << std::hex << code;
    }
}

} // namespace
} // namespace qx71
