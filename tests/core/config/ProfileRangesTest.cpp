#include "core/config/ProfileRanges.h"

#include "core/common/Utf.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"

#include <gtest/gtest.h>

#include <functional>

namespace qx71 {
namespace {

std::vector<std::string> Names(const RepairedProfile& profile)
{
    std::vector<std::string> names;
    for (const BilingualText& name : profile.repaired) {
        names.push_back(Utf16ToUtf8(name.english));
    }
    return names;
}

RepairedProfile Load(const ProfileRecord& record)
{
    const ProfileBytes bytes = ProfileToBytes(record);
    return RepairLoadedProfile(bytes, false);
}

// Each number with the values the profile format allows (its table: the edges inside, the
// values just outside, and the damage seen in the field), and its default.
TEST(RepairLoadedProfile, EachNumberOutsideItsRangeGetsItsDefault)
{
    using Field = int32_t ProfileRecord::*;
    struct Case {
        const char* name;
        Field field;
        std::vector<int32_t> kept;
        std::vector<int32_t> repaired;
        int32_t defaultValue;
    };
    const Case cases[] = {
        {"sensor height", &ProfileRecord::sheightLevel, {1, 15, 30}, {0, 31, -1}, 15},
        {"report rate", &ProfileRecord::reportRate, {1, 2, 8}, {0, 3, 4, 7, 9, 125}, 1},
        {"lighting mode", &ProfileRecord::ledMode, {1, 5}, {0, 6, -4}, 4},
        {"colour choice", &ProfileRecord::ledCustomColor, {0, 1}, {2, -1}, 1},
        {"preset colour", &ProfileRecord::ledPresetIndex, {0, 25}, {26, -1}, 0},
        {"enhanced pointer precision", &ProfileRecord::pointerPrecision, {0, 1}, {2, -1}, 0},
        {"pointer speed", &ProfileRecord::pointerSpeed, {1, 20}, {0, 21, 74991778}, 10},
        {"brightness", &ProfileRecord::ledBrightness, {1, 10}, {0, 11}, 5},
        {"breathing speed", &ProfileRecord::ledBreathSpeed, {1, 5}, {0, 6}, 3},
        {"wheel lines", &ProfileRecord::wheelLines, {-1, 1, 30}, {0, -2, 31, 2987}, 3},
    };
    for (const Case& c : cases) {
        for (const int32_t value : c.kept) {
            SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(value));
            ProfileRecord record = DefaultProfile(false);
            record.*c.field = value;
            const RepairedProfile loaded = Load(record);
            EXPECT_EQ(loaded.record.*c.field, value);
            EXPECT_FALSE(loaded.Damaged());
        }
        for (const int32_t value : c.repaired) {
            SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(value));
            ProfileRecord record = DefaultProfile(false);
            record.*c.field = value;
            const RepairedProfile loaded = Load(record);
            EXPECT_EQ(loaded.record.*c.field, c.defaultValue);
            EXPECT_EQ(Names(loaded), std::vector<std::string>{c.name});
        }
    }
}

TEST(RepairLoadedProfile, ColourDpiLevelsAndButtonFunctions)
{
    struct Case {
        const char* what;
        std::function<void(ProfileRecord&)> damage;
        std::vector<std::string> repaired;
    };
    const Case cases[] = {
        {"a colour with its top byte set",
         [](ProfileRecord& p) { p.ledColor = 0x01000000; },
         {"lighting colour"}},
        {"white", [](ProfileRecord& p) { p.ledColor = 0x00FFFFFF; }, {}},
        {"no DPI level", [](ProfileRecord& p) { p.dpiStages.fill(0); }, {"DPI levels"}},
        {"a DPI the mouse does not take",
         [](ProfileRecord& p) { p.dpiStages[1] = 1600; },
         {"DPI levels"}},
        {"a negative DPI", [](ProfileRecord& p) { p.dpiStages[4] = -500; }, {"DPI levels"}},
        {"one level of 2500", [](ProfileRecord& p) { p.dpiStages = {2500}; }, {}},
        {"a function of 0", [](ProfileRecord& p) { p.buttons[3].function = 0; }, {"Forward"}},
        {"an unknown function",
         [](ProfileRecord& p) { p.buttons[6].function = 7; },
         {"Wheel down"}},
        {"a macro, a key and a host action",
         [](ProfileRecord& p) {
             p.buttons[0].function = 6;
             p.buttons[1].function = 5;
             p.buttons[2].function = 19;
         },
         {}},
        {"everything at once",
         [](ProfileRecord& p) {
             p.buttons[0].function = -1;
             p.dpiStages[0] = 1;
             p.wheelLines = 2987;
             p.pointerSpeed = 74991778;
         },
         {"Left", "DPI levels", "pointer speed", "wheel lines"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProfileRecord record = DefaultProfile(false);
        c.damage(record);
        const RepairedProfile loaded = Load(record);
        EXPECT_EQ(Names(loaded), c.repaired);
        if (c.repaired.empty()) {
            EXPECT_EQ(ProfileToBytes(loaded.record), ProfileToBytes(record));
        }
    }
    ProfileRecord record = DefaultProfile(false);
    record.buttons[3].function = 0;
    record.dpiStages.fill(0);
    const RepairedProfile loaded = Load(record);
    EXPECT_EQ(loaded.record.buttons[3].function, 8);
    EXPECT_EQ(TextOf(loaded.record.buttons[3].displayName), u"Forward");
    EXPECT_EQ(loaded.record.dpiStages, kDefaultDpiStages);
}

// A profile file cut short: what it holds is kept, what it lacks takes the defaults (not
// zeros, which would send no DPI levels and disable the buttons).
TEST(RepairLoadedProfile, AShortFileKeepsItsBytesAndTakesTheDefaultsForTheRest)
{
    ProfileRecord mine = DefaultProfile(false);
    mine.buttons[0].function = 16;
    mine.pointerSpeed = 17;
    mine.ledMode = 1;
    const ProfileBytes full = ProfileToBytes(mine);
    const size_t half = kProfileRecordSize / 2;
    const RepairedProfile loaded =
        RepairLoadedProfile(std::span<const uint8_t>(full.data(), half), false);
    EXPECT_TRUE(loaded.Short());
    EXPECT_TRUE(loaded.Damaged());
    EXPECT_EQ(loaded.fileBytes, half);
    EXPECT_EQ(loaded.record.buttons[0].function, 16) << "held by the file";
    const ProfileRecord defaults = DefaultProfile(false);
    EXPECT_EQ(loaded.record.buttons[6].function, defaults.buttons[6].function);
    EXPECT_EQ(loaded.record.dpiStages, kDefaultDpiStages);
    EXPECT_EQ(loaded.record.pointerSpeed, kDefaultPointerSpeed);
    EXPECT_EQ(loaded.record.ledMode, kDefaultLedMode);

    const RepairedProfile whole = RepairLoadedProfile(full, false);
    EXPECT_FALSE(whole.Damaged());
    EXPECT_EQ(ProfileToBytes(whole.record), full);
}

TEST(ProfileRepairText, NamesTheFileAndWhatWasRepaired)
{
    ProfileRecord record = DefaultProfile(false);
    record.pointerSpeed = 74991778;
    record.wheelLines = 2987;
    const RepairedProfile ranged = Load(record);
    EXPECT_EQ(Utf16ToUtf8(ProfileRepairText(ranged, "/d/Profile/Profile2.cfg", false)),
              "/d/Profile/Profile2.cfg held settings out of range, which were set to their "
              "defaults: pointer speed, wheel lines.");
    EXPECT_EQ(Utf16ToUtf8(ProfileRepairText(ranged, "/d/Profile/Profile2.cfg", true)),
              "/d/Profile/Profile2.cfg 中有超出范围的设置，已恢复为默认值：指针速度、滚轮行数。");

    const ProfileBytes full = ProfileToBytes(DefaultProfile(false));
    const RepairedProfile cut =
        RepairLoadedProfile(std::span<const uint8_t>(full.data(), 100), false);
    EXPECT_EQ(Utf16ToUtf8(ProfileRepairText(cut, "/d/Profile/Profile1.cfg", false)),
              "/d/Profile/Profile1.cfg is damaged: it is shorter than a profile (100 of 22156 "
              "bytes). The settings it lacks and any out of range were set to their defaults.");
}

} // namespace
} // namespace qx71
