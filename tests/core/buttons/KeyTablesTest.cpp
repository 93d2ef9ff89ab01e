// The three key tables checked whole against their published form: every pair in order, every
// name. Rows that cover a run of keys are written as the run (first code, first code, count),
// exactly as the tables give them.
#include "core/buttons/KeyNames.h"
#include "core/buttons/KeyUsageMap.h"
#include "core/buttons/MacroKeyNames.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace qx71 {
namespace {

struct UsageRun {
    uint8_t usage;
    uint8_t virtualKey;
    int count;
};

// KeyUsageMap: (HID usage, virtual key) pairs 1..107.
constexpr UsageRun kUsageRuns[] = {
    {0x29, 0x1B, 1},  // 1 Esc
    {0x3A, 0x70, 12}, // 2-13 F1-F12
    {0x04, 0x41, 26}, // 14-39 A-Z
    {0x1E, 0x31, 9},  // 40-48 1-9
    {0x27, 0x30, 1},  // 49 0
    {0x2B, 0x09, 1},  // 50 Tab
    {0x39, 0x14, 1},  // 51 Caps Lock
    {0x28, 0x0D, 1},  // 52 Enter
    {0x2A, 0x08, 1},  // 53 Backspace
    {0x2C, 0x20, 1},  // 54 Space
    {0x2F, 0xDB, 1},  // 55 [
    {0x30, 0xDD, 1},  // 56 ]
    {0x31, 0xDC, 1},  // 57 backslash
    {0x33, 0xBA, 1},  // 58 ;
    {0x34, 0xDE, 1},  // 59 '
    {0x36, 0xBC, 1},  // 60 ,
    {0x37, 0xBE, 1},  // 61 .
    {0x38, 0xBF, 1},  // 62 /
    {0x35, 0xC0, 1},  // 63 grave accent
    {0x2E, 0xBB, 1},  // 64 =
    {0x2D, 0xBD, 1},  // 65 -
    {0x46, 0x2C, 1},  // 66 Print Screen
    {0x47, 0x91, 1},  // 67 Scroll Lock
    {0x48, 0x13, 1},  // 68 Pause
    {0x49, 0x2D, 1},  // 69 Insert
    {0x4A, 0x24, 1},  // 70 Home
    {0x4B, 0x21, 1},  // 71 Page Up
    {0x4C, 0x2E, 1},  // 72 Delete
    {0x4D, 0x23, 1},  // 73 End
    {0x4E, 0x22, 1},  // 74 Page Down
    {0x52, 0x26, 1},  // 75 Up
    {0x51, 0x28, 1},  // 76 Down
    {0x50, 0x25, 1},  // 77 Left
    {0x4F, 0x27, 1},  // 78 Right
    {0x59, 0x61, 9},  // 79-87 keypad 1-9
    {0x62, 0x60, 1},  // 88 keypad 0
    {0x57, 0x6B, 1},  // 89 keypad +
    {0x56, 0x6D, 1},  // 90 keypad -
    {0x55, 0x6A, 1},  // 91 keypad *
    {0x54, 0x6F, 1},  // 92 keypad /
    {0x53, 0x90, 1},  // 93 Num Lock
    {0x58, 0x0D, 1},  // 94 keypad Enter
    {0x63, 0x6E, 1},  // 95 keypad .
    {0xE0, 0xA2, 1},  // 96 left Ctrl
    {0xE1, 0xA0, 1},  // 97 left Shift
    {0xE2, 0xA4, 1},  // 98 left Alt
    {0xE3, 0x5B, 1},  // 99 left Win
    {0xE4, 0xA3, 1},  // 100 right Ctrl
    {0xE5, 0xA1, 1},  // 101 right Shift
    {0xE6, 0xA5, 1},  // 102 right Alt
    {0xE7, 0x5C, 1},  // 103 right Win
    {0x65, 0x5D, 1},  // 104 Application
    {0xF0, 0x01, 1},  // 105 left mouse button
    {0xF1, 0x02, 1},  // 106 right mouse button
    {0xF2, 0x04, 1},  // 107 middle mouse button
};

struct NameRun {
    uint8_t code;
    int count; // the run's names are `names` in order
    std::vector<std::u16string> names;
};

// KeyNames: the fixed display names of virtual keys.
const NameRun kKeyNameRows[] = {
    {0x00, 1, {u""}},
    {0xFF, 1, {u""}},
    {0x08, 1, {u"Backspace"}},
    {0x09, 1, {u"Tab"}},
    {0x0C, 1, {u"Clr"}},
    {0x0D, 1, {u"Enter"}},
    {0x2B, 1, {u"Enter"}},
    {0x10, 1, {u"Shift"}},
    {0x11, 1, {u"Ctrl"}},
    {0x12, 1, {u"Alt"}},
    {0x13, 1, {u"Pause"}},
    {0x14, 1, {u"CapsLock"}},
    {0x1B, 1, {u"Esc"}},
    {0x20, 1, {u"Space"}},
    {0x21, 1, {u"PageUp"}},
    {0x22, 1, {u"PageDown"}},
    {0x23, 1, {u"End"}},
    {0x24, 1, {u"Home"}},
    {0x25, 1, {u"Left"}},
    {0x26, 1, {u"Up"}},
    {0x27, 1, {u"Right"}},
    {0x28, 1, {u"Down"}},
    {0x29, 1, {u"Select"}},
    {0x2A, 1, {u"Print"}},
    {0x2C, 1, {u"PrtSc SysRq"}},
    {0x2D, 1, {u"Insert"}},
    {0x2E, 1, {u"Delete"}},
    {0x2F, 1, {u"Help"}},
    {0x5B, 1, {u"LWin"}},
    {0x5C, 1, {u"RWin"}},
    {0x5D, 1, {u"App"}},
    {0x60, 10, {u"(0)", u"(1)", u"(2)", u"(3)", u"(4)", u"(5)", u"(6)", u"(7)", u"(8)", u"(9)"}},
    {0x6A, 1, {u"(*)"}},
    {0x6B, 1, {u"(+)"}},
    {0x6C, 1, {u"\\"}},
    {0x6D, 1, {u"(-)"}},
    {0x6E, 1, {u"(.)"}},
    {0x6F, 1, {u"(/)"}},
    {0x70,
     12,
     {u"F1", u"F2", u"F3", u"F4", u"F5", u"F6", u"F7", u"F8", u"F9", u"F10", u"F11", u"F12"}},
    {0x90, 1, {u"Numlock"}},
    {0x91, 1, {u"Scroll Lock"}},
    {0xA0, 1, {u"LShift"}},
    {0xA1, 1, {u"RShift"}},
    {0xA2, 1, {u"LCtrl"}},
    {0xA3, 1, {u"RCtrl"}},
    {0xA4, 1, {u"LAlt"}},
    {0xA5, 1, {u"RAlt"}},
};

// MacroKeyNames: the macro lists' own names.
const NameRun kMacroKeyNameRows[] = {
    {0x41, 26, {u"A", u"B", u"C", u"D", u"E", u"F", u"G", u"H", u"I", u"J", u"K", u"L", u"M",
                u"N", u"O", u"P", u"Q", u"R", u"S", u"T", u"U", u"V", u"W", u"X", u"Y", u"Z"}},
    {0x30, 10, {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9"}},
    {0x70,
     12,
     {u"F1", u"F2", u"F3", u"F4", u"F5", u"F6", u"F7", u"F8", u"F9", u"F10", u"F11", u"F12"}},
    {0x60,
     10,
     {u"NUM 0", u"NUM 1", u"NUM 2", u"NUM 3", u"NUM 4", u"NUM 5", u"NUM 6", u"NUM 7", u"NUM 8",
      u"NUM 9"}},
    {0xC0, 1, {u"~"}},
    {0xBD, 1, {u"-"}},
    {0xBB, 1, {u"="}},
    {0x08, 1, {u"Backspace"}},
    {0xDC, 1, {u"|"}},
    {0xDB, 1, {u"["}},
    {0xDD, 1, {u"]"}},
    {0xBA, 1, {u";"}},
    {0xDE, 1, {u"'"}},
    {0x0D, 1, {u"Enter"}},
    {0xBC, 1, {u"<"}},
    {0xBE, 1, {u">"}},
    {0xBF, 1, {u"?"}},
    {0x09, 1, {u"Tab"}},
    {0x14, 1, {u"Cap"}},
    {0xA0, 1, {u"L_Shift"}},
    {0xA2, 1, {u"L_Ctrl"}},
    {0xA4, 1, {u"L_Alt"}},
    {0x5B, 1, {u"L_Win"}},
    {0xA1, 1, {u"R_Shift"}},
    {0xA3, 1, {u"R_Ctrl"}},
    {0xA5, 1, {u"R_Alt"}},
    {0x5C, 1, {u"R_Win"}},
    {0x20, 1, {u"Space"}},
    {0x1B, 1, {u"ESC"}},
    {0x6D, 1, {u"NUM -"}},
    {0x6B, 1, {u"NUM +"}},
    {0x6A, 1, {u"NUM *"}},
    {0x6F, 1, {u"NUM /"}},
    {0x6C, 1, {u"NUM Enter"}},
    {0x6E, 1, {u"NUM Del"}},
    {0x90, 1, {u"NUM Lock"}},
    {0x2A, 1, {u"Print"}},
    {0x91, 1, {u"Scroll"}},
    {0x13, 1, {u"Pause"}},
    {0x2D, 1, {u"Insert"}},
    {0x24, 1, {u"Home"}},
    {0x2E, 1, {u"Delete"}},
    {0x23, 1, {u"End"}},
    {0x21, 1, {u"Page Up"}},
    {0x22, 1, {u"Page Down"}},
    {0x26, 1, {u"UP"}},
    {0x28, 1, {u"DOWN"}},
    {0x25, 1, {u"LEFT"}},
    {0x27, 1, {u"RIGHT"}},
    {0x01, 1, {u"Left Button"}},
    {0x02, 1, {u"Right Button"}},
    {0x04, 1, {u"Middle Button"}},
};

std::map<uint32_t, std::u16string> Expand(const NameRun* rows, size_t count)
{
    std::map<uint32_t, std::u16string> names;
    for (size_t r = 0; r < count; ++r) {
        EXPECT_EQ(rows[r].names.size(), static_cast<size_t>(rows[r].count));
        for (int i = 0; i < rows[r].count; ++i) {
            names[rows[r].code + static_cast<uint32_t>(i)] = rows[r].names[static_cast<size_t>(i)];
        }
    }
    return names;
}

TEST(KeyTables, KeyUsageMapIsTheTablePairForPairInOrder)
{
    std::vector<std::pair<int, int>> expected;
    for (const UsageRun& run : kUsageRuns) {
        for (int i = 0; i < run.count; ++i) {
            expected.emplace_back(run.usage + i, run.virtualKey + i);
        }
    }
    ASSERT_EQ(expected.size(), 107u);
    std::vector<std::pair<int, int>> actual;
    for (const KeyUsagePair& pair : kKeyUsageMap) {
        actual.emplace_back(pair.usage, pair.virtualKey);
    }
    EXPECT_EQ(actual, expected);
}

TEST(KeyTables, EveryFixedKeyNameIsTheTablesName)
{
    const auto expected = Expand(kKeyNameRows, std::size(kKeyNameRows));
    for (const auto& [code, name] : expected) {
        EXPECT_EQ(KeyName(code), name) << std::hex << code;
    }
}

TEST(KeyTables, MacroKeyNamesAreTheTableAndNothingElse)
{
    const auto expected = Expand(kMacroKeyNameRows, std::size(kMacroKeyNameRows));
    ASSERT_EQ(expected.size(), 106u);
    for (uint32_t code = 0; code <= 0xFF; ++code) {
        const auto it = expected.find(code);
        EXPECT_EQ(MacroKeyName(code), it == expected.end() ? u"" : it->second) << std::hex << code;
    }
}

} // namespace
} // namespace qx71
