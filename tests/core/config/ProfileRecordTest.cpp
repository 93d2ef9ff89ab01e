#include "core/config/ProfileRecord.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "core/config/ProfileDirectory.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace qx71 {
namespace {

uint32_t Le32At(const ProfileBytes& bytes, size_t offset)
{
    return static_cast<uint32_t>(bytes[offset]) | (static_cast<uint32_t>(bytes[offset + 1]) << 8) |
           (static_cast<uint32_t>(bytes[offset + 2]) << 16) |
           (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

std::u16string TextAt(const ProfileBytes& bytes, size_t offset)
{
    std::u16string text;
    for (size_t i = offset;; i += 2) {
        const char16_t unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0) {
            return text;
        }
        text.push_back(unit);
    }
}

constexpr size_t kButtons = 4;
constexpr size_t kButtonSize = 3148;

TEST(ProfileRecord, EveryByteSurvivesARoundTrip)
{
    // A pattern in every byte (reserved ones included) shows that no field is skipped or
    // misplaced in either direction.
    std::vector<uint8_t> pattern(kProfileRecordSize);
    for (size_t i = 0; i < pattern.size(); ++i) {
        pattern[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
    }
    const ProfileBytes back = ProfileToBytes(ProfileFromBytes(pattern));
    EXPECT_TRUE(std::equal(back.begin(), back.end(), pattern.begin()));

    std::vector<uint8_t> directoryPattern(kProfileDirectorySize);
    std::iota(directoryPattern.begin(), directoryPattern.end(), uint8_t{3});
    const DirectoryBytes directoryBack = DirectoryToBytes(DirectoryFromBytes(directoryPattern));
    EXPECT_TRUE(std::equal(directoryBack.begin(), directoryBack.end(), directoryPattern.begin()));
}

TEST(ProfileRecord, FieldsAreLittleEndianAtTheirOffsets)
{
    ProfileRecord r;
    r.magic = kProfileMagic;
    r.buttons[2].function = 5;
    r.buttons[2].keyCode = 0x00041600;
    r.buttons[6].macroId = 0x15000123;
    SetText(r.buttons[3].hostPath, u"C:\\a.wav");
    r.dpiStages[1] = 750;
    r.wheelLines = -1;
    r.ledColor = 0x00563412;
    const ProfileBytes b = ProfileToBytes(r);

    EXPECT_EQ(b[0], 0x05);
    EXPECT_EQ(b[1], 0x02);
    EXPECT_EQ(b[2], 0x80);
    EXPECT_EQ(b[3], 0x80);
    EXPECT_EQ(Le32At(b, kButtons + 2 * kButtonSize), 5u);
    EXPECT_EQ(Le32At(b, kButtons + 2 * kButtonSize + 16), 0x00041600u);
    EXPECT_EQ(Le32At(b, kButtons + 6 * kButtonSize + 4), 0x15000123u);
    EXPECT_EQ(TextAt(b, kButtons + 3 * kButtonSize + 24), u"C:\\a.wav");
    EXPECT_EQ(Le32At(b, 22044), 750u);
    EXPECT_EQ(Le32At(b, 22152), 0xFFFFFFFFu);
    EXPECT_EQ(b[22124], 0x12);
    EXPECT_EQ(b[22126], 0x56);
}

TEST(ProfileRecord, ShortInputLeavesZerosAndLongInputIsCut)
{
    std::vector<uint8_t> shortInput = {0x05, 0x02, 0x80, 0x80, 0x01};
    const ProfileRecord r = ProfileFromBytes(shortInput);
    EXPECT_EQ(r.magic, kProfileMagic);
    EXPECT_EQ(r.buttons[0].function, 1);
    const ProfileBytes b = ProfileToBytes(r);
    EXPECT_TRUE(std::all_of(b.begin() + 5, b.end(), [](uint8_t x) { return x == 0; }));

    std::vector<uint8_t> longInput(kProfileRecordSize + 100, 0xEE);
    ProfileBytes expected;
    expected.fill(0xEE);
    EXPECT_EQ(ProfileToBytes(ProfileFromBytes(longInput)), expected);
}

TEST(FixedText, StopsAtTheTerminatorAndNeverSplitsASurrogatePair)
{
    std::array<char16_t, 4> units{};
    SetText(units, u"abcdef");
    EXPECT_EQ(TextOf(units), u"abc");
    EXPECT_EQ(units[3], 0);

    SetText(units, u"ab\U0001F600"); // 'a', 'b', high, low: the pair does not fit
    EXPECT_EQ(TextOf(units), u"ab");

    SetText(units, u"x");
    EXPECT_EQ(units, (std::array<char16_t, 4>{u'x', 0, 0, 0}));
}

// The default record, checked byte for byte at the documented offsets.
TEST(FillDefaults, WritesTheDocumentedRecord)
{
    struct Int {
        size_t offset;
        uint32_t value;
    };
    const Int ints[] = {
        {0, 0x80800205}, {22040, 1000}, {22044, 2000}, {22048, 3000},       {22052, 0}, {22068, 0},
        {22112, 15},     {22116, 1},    {22120, 4},    {22124, 0x000000FF}, {22128, 1}, {22132, 0},
        {22136, 0},      {22140, 10},   {22144, 5},    {22148, 3},          {22152, 3},
    };
    const uint32_t functions[] = {1, 4, 2, 8, 16, 11, 22};
    const std::u16string english[] = {u"Click", u"Middle",    u"Menu",       u"Forward",
                                      u"Back",  u"Scroll up", u"Scroll down"};
    const std::u16string chinese[] = {u"单击", u"中键",     u"菜单",    u"前进",
                                      u"后退", u"滚轮前滚", u"滚轮后滚"};

    for (const bool chineseUi : {false, true}) {
        ProfileRecord r;
        r.reserved.fill(0x77); // FillDefaults starts from zero
        r.buttons[0].hostValue = 9;
        FillDefaults(r, chineseUi);
        const ProfileBytes b = ProfileToBytes(r);

        std::vector<bool> checked(b.size(), false);
        auto mark = [&](size_t offset, size_t length) {
            std::fill_n(checked.begin() + static_cast<std::ptrdiff_t>(offset), length, true);
        };
        for (const auto& i : ints) {
            EXPECT_EQ(Le32At(b, i.offset), i.value) << "offset " << i.offset;
            mark(i.offset, 4);
        }
        for (size_t n = 0; n < 7; ++n) {
            const size_t base = kButtons + n * kButtonSize;
            EXPECT_EQ(Le32At(b, base), functions[n]) << n;
            mark(base, 4);
            const std::u16string& name = chineseUi ? chinese[n] : english[n];
            EXPECT_EQ(TextAt(b, base + 548), name) << n;
            mark(base + 548, 2 * name.size());
        }
        // Everything not named above is zero.
        for (size_t i = 0; i < b.size(); ++i) {
            if (!checked[i]) {
                ASSERT_EQ(b[i], 0) << "offset " << i;
            }
        }
    }
}

TEST(SeedDirectory, HasFiveValidSlotsWithTheFirstInUse)
{
    const DirectoryBytes b = DirectoryToBytes(SeedDirectory());
    for (size_t n = 0; n < kProfileSlots; ++n) {
        EXPECT_EQ(b[n * 1600], 0xBE);
        EXPECT_EQ(b[n * 1600 + 1], 0xBE);
        EXPECT_EQ(b[n * 1600 + 4], n == 0 ? 1 : 0);
    }
}

} // namespace
} // namespace qx71
