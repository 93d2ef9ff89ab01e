#include "MemoryFileSystem.h"
#include "RecordingSink.h"

#include "core/common/LittleEndian.h"
#include "core/i18n/UiStrings.h"
#include "core/macro/MacroInUse.h"
#include "core/macro/MacroLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace qx71 {
namespace {

using test::MemoryFileSystem;
using test::RecordingSink;

MacroRecord MakeRecord(uint32_t id, std::u16string_view name, uint32_t events = 1)
{
    MacroRecord r;
    r.size = kMacroRecordSize;
    r.magic = kMacroMagic;
    r.id = id;
    r.loopCount = 3;
    r.eventCount = events;
    for (uint32_t i = 0; i < events; ++i) {
        r.events[i] = MakeMacroEvent(MacroEventKind::KeyDown, 0x41 + i);
    }
    SetMacroName(r, name);
    return r;
}

TEST(MacroRecordBytes, AreLittleEndianAtTheirOffsets)
{
    MacroRecord r = MakeRecord(0x15000102, u"Ab", 2);
    r.reserved = 0xA1B2C3D4;
    std::array<uint8_t, kMacroRecordSize> bytes{};
    WriteMacroRecord(r, bytes);
    EXPECT_EQ(LoadLe32(&bytes[0]), kMacroRecordSize);
    EXPECT_EQ(bytes[4], 0x10);
    EXPECT_EQ(bytes[7], 0xE8);
    EXPECT_EQ(LoadLe32(&bytes[8]), 0x15000102u);
    EXPECT_EQ(LoadLe32(&bytes[12]), 0xA1B2C3D4u);
    EXPECT_EQ(LoadLe32(&bytes[16]), 3u);
    EXPECT_EQ(LoadLe32(&bytes[20]), 2u);
    EXPECT_EQ(LoadLe32(&bytes[24]), 0xC0000041u);
    EXPECT_EQ(LoadLe32(&bytes[28]), 0xC0000042u);
    EXPECT_EQ(LoadLe16(&bytes[4024]), u'A');
    EXPECT_EQ(LoadLe16(&bytes[4026]), u'b');
    EXPECT_EQ(LoadLe16(&bytes[4028]), 0);

    const MacroRecord back = ReadMacroRecord(bytes);
    EXPECT_EQ(0, std::memcmp(&back, &r, sizeof r));
}

TEST(MacroRecordName, IsCutTo39UnitsAndReadWithoutTerminator)
{
    MacroRecord r;
    SetMacroName(r, std::u16string(50, u'x'));
    EXPECT_EQ(MacroNameOf(r), std::u16string(39, u'x'));
    std::fill(std::begin(r.name), std::end(r.name), u'y'); // damaged: no terminator
    EXPECT_EQ(MacroNameOf(r), std::u16string(40, u'y'));
}

class MacroLibraryTest : public ::testing::Test {
protected:
    MacroLibraryTest()
    {
        strings.Set("str_msg2", u"Cannot find %s");
        strings.Set("str_msg4", u"Denied");
    }

    std::vector<uint8_t>& File() { return fs.files[path]; }
    void PutFile(const std::vector<MacroRecord>& records, size_t extraBytes = 0)
    {
        MacroTable t;
        for (const auto& r : records) {
            EXPECT_EQ(t.Put(r), MacroPutResult::Stored);
        }
        std::vector<uint8_t> image = t.WriteImage();
        image.resize(records.size() * kMacroRecordSize + extraBytes);
        fs.files[path] = image;
    }

    MemoryFileSystem fs;
    RecordingSink sink;
    UiStrings strings;
    std::filesystem::path path = "/data/Macro.cfg";
    MacroLibrary lib{fs, sink, strings, path};
};

TEST_F(MacroLibraryTest, ShortFileFillsTheSlotsItCoversAndLeavesTheRestFree)
{
    // Two whole records and the first 100 bytes of a third.
    PutFile({MakeRecord(0x15000001, u"one"), MakeRecord(0x15000002, u"two"),
             MakeRecord(0x15000003, u"three")},
            0);
    File().resize(2 * kMacroRecordSize + 100);
    ASSERT_TRUE(lib.LoadMacroFile());
    const MacroTable t = lib.Snapshot();
    EXPECT_EQ(t.Slot(1).id, 0x15000002u);
    EXPECT_EQ(t.Slot(2).id, 0x15000003u); // the part that was there
    EXPECT_EQ(t.Slot(2).name[0], 0);      // the part that was not
    EXPECT_EQ(t.Slot(3).magic, 0u);
    EXPECT_EQ(lib.ListCategory(0x15).size(), 3u);
    EXPECT_TRUE(sink.shown.empty());
}

TEST_F(MacroLibraryTest, LoadedFileIsWrittenBackByteForByte)
{
    PutFile({MakeRecord(0x01000001, u"a"), MakeRecord(0x15000002, u"b")});
    File().resize(kMacroFileBytes);
    File()[kMacroRecordSize * 7 + 12] = 0x5A; // a free slot's stray byte survives too
    const std::vector<uint8_t> before = File();
    ASSERT_TRUE(lib.LoadMacroFile());
    ASSERT_EQ(lib.SaveMacroFile(), FileError::None);
    EXPECT_EQ(File(), before);
}

TEST_F(MacroLibraryTest, MissingFileIsReportedAndCreatedByTheFirstStore)
{
    EXPECT_FALSE(lib.LoadMacroFile());
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].kind, MessageKind::InfoBox);
    EXPECT_EQ(sink.shown[0].text, u"Cannot find /data/Macro.cfg");

    EXPECT_EQ(lib.StoreMacro(MakeRecord(0x15000009, u"m")), MacroStoreResult::Stored);
    ASSERT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.shown[1].kind, MessageKind::SystemBox);
    EXPECT_EQ(sink.shown[1].caption, u"Info");
    EXPECT_EQ(sink.shown[1].text, u"Cannot find /data/Macro.cfg");
    EXPECT_EQ(File().size(), kMacroFileBytes);
    EXPECT_EQ(LoadLe32(&File()[8]), 0x15000009u);
}

TEST_F(MacroLibraryTest, UnreadableFileIsNeverOverwrittenByTheEmptyTable)
{
    PutFile({MakeRecord(0x15000001, u"keep")});
    const std::vector<uint8_t> before = File();
    fs.readError = FileError::AccessDenied;
    EXPECT_FALSE(lib.LoadMacroFile());
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_TRUE(lib.WriteProtected());
    EXPECT_EQ(lib.StoreMacro(MakeRecord(0x15000002, u"new")), MacroStoreResult::WriteFailed);
    EXPECT_NE(lib.DeleteMacro(0x15000001), FileError::None);
    EXPECT_EQ(fs.writes, 0);
    EXPECT_EQ(File(), before);
}

TEST_F(MacroLibraryTest, RefusedWriteIsReportedAndStoreSaysSo)
{
    ASSERT_TRUE((PutFile({}), lib.LoadMacroFile()));
    fs.writeError = FileError::AccessDenied;
    EXPECT_EQ(lib.StoreMacro(MakeRecord(0x15000001, u"m")), MacroStoreResult::WriteFailed);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].caption, u"Info");
    EXPECT_EQ(sink.shown[0].text, u"Denied");
    // The table keeps the macro; the next successful write saves it.
    EXPECT_TRUE(lib.FindMacro(0x15000001).has_value());
}

TEST_F(MacroLibraryTest, InvalidRecordsAreRefusedAndChangeNothing)
{
    PutFile({MakeRecord(0x15000001, u"a")});
    ASSERT_TRUE(lib.LoadMacroFile());
    struct Case {
        const char* what;
        void (*spoil)(MacroRecord&);
    };
    const Case cases[] = {
        {"size 4100", [](MacroRecord& r) { r.size = 4100; }},
        {"magic high half", [](MacroRecord& r) { r.magic = 0xE8E70010; }},
        {"magic zero", [](MacroRecord& r) { r.magic = 0; }},
        {"1001 events", [](MacroRecord& r) { r.eventCount = 1001; }},
    };
    for (const Case& c : cases) {
        MacroRecord r = MakeRecord(0x15000001, u"changed");
        c.spoil(r);
        EXPECT_EQ(lib.StoreMacro(r), MacroStoreResult::Invalid) << c.what;
    }
    EXPECT_EQ(fs.writes, 0);
    EXPECT_EQ(MacroNameOf(*lib.FindMacro(0x15000001)), u"a");
}

TEST_F(MacroLibraryTest, StoringAnExistingIdReplacesItsSlotAndClearsOldEvents)
{
    PutFile({MakeRecord(0x15000001, u"a"), MakeRecord(0x15000002, u"b", 5)});
    ASSERT_TRUE(lib.LoadMacroFile());
    ASSERT_EQ(lib.StoreMacro(MakeRecord(0x15000002, u"b2", 2)), MacroStoreResult::Stored);
    const MacroTable t = lib.Snapshot();
    EXPECT_EQ(MacroNameOf(t.Slot(1)), u"b2");
    EXPECT_EQ(t.Slot(1).eventCount, 2u);
    EXPECT_EQ(t.Slot(1).events[2], 0u);
    EXPECT_EQ(t.Slot(2).magic, 0u);
}

TEST_F(MacroLibraryTest, FullTableRefusesANewIdButReplacesAStoredOne)
{
    std::vector<MacroRecord> records;
    for (uint32_t i = 0; i + 1 < kMacroTableSlots; ++i) {
        records.push_back(MakeRecord(0x15000000 + i + 1, u"m"));
    }
    PutFile(records);
    ASSERT_TRUE(lib.LoadMacroFile());
    EXPECT_EQ(lib.StoreMacro(MakeRecord(0x15FFFFFE, u"last")), MacroStoreResult::Stored);
    EXPECT_EQ(lib.StoreMacro(MakeRecord(0x15FFFFFF, u"new")), MacroStoreResult::TableFull);
    EXPECT_EQ(fs.writes, 1);
    EXPECT_EQ(lib.StoreMacro(MakeRecord(0x15000007, u"again")), MacroStoreResult::Stored);
    EXPECT_EQ(MacroNameOf(lib.Snapshot().Slot(6)), u"again");
}

TEST_F(MacroLibraryTest, ListedSlotWithoutMagicIsListedButTakenByANewMacro)
{
    MacroTable t;
    std::vector<uint8_t> image = t.WriteImage();
    MacroRecord ghost = MakeRecord(0x15000001, u"ghost");
    ghost.magic = 0;
    WriteMacroRecord(ghost, std::span<uint8_t, kMacroRecordSize>(image.data(), kMacroRecordSize));
    fs.files[path] = image;
    ASSERT_TRUE(lib.LoadMacroFile());
    ASSERT_EQ(lib.ListCategory(0x15).size(), 1u);

    ASSERT_EQ(lib.StoreMacro(MakeRecord(0x15000002, u"real")), MacroStoreResult::Stored);
    const auto list = lib.ListCategory(0x15);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].slot, 0u);
    EXPECT_EQ(list[0].name, u"real");
}

TEST_F(MacroLibraryTest, ListingIsByCategoryInSlotOrder)
{
    PutFile({MakeRecord(0x15000001, u"u1"), MakeRecord(0x01000002, u"bf"),
             MakeRecord(0x15000003, u"u2")});
    ASSERT_TRUE(lib.LoadMacroFile());
    const auto user = lib.ListCategory(21);
    ASSERT_EQ(user.size(), 2u);
    EXPECT_EQ(user[0].name, u"u1");
    EXPECT_EQ(user[1].name, u"u2");
    EXPECT_EQ(lib.ListCategory(1).size(), 1u);
    EXPECT_TRUE(lib.ListCategory(2).empty());
}

TEST_F(MacroLibraryTest, DeleteFreesTheSlotAndAnUnknownIdStillRewrites)
{
    PutFile({MakeRecord(0x15000001, u"a"), MakeRecord(0x15000002, u"b")});
    ASSERT_TRUE(lib.LoadMacroFile());
    EXPECT_EQ(lib.DeleteMacro(0x15000001), FileError::None);
    EXPECT_FALSE(lib.FindMacro(0x15000001).has_value());
    EXPECT_TRUE(std::all_of(File().begin(), File().begin() + kMacroRecordSize,
                            [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(fs.writes, 1);
    EXPECT_EQ(lib.DeleteMacro(0x15ABCDEF), FileError::None);
    EXPECT_EQ(fs.writes, 2);
}

TEST(MacroInUse, LooksAtTheSlotsAndTheActiveProfilesMacroButtonsOnly)
{
    const std::array<uint32_t, kMacroButtons> slotA{0, 0, 0x15000001, 0, 0, 0, 0};
    const std::array<uint32_t, kMacroButtons> slotB{};
    const std::array<std::array<uint32_t, kMacroButtons>, 2> slots{slotA, slotB};
    const MacroButtonUse buttons[] = {
        {kMacroButtonFunction, 0x15000002},
        {5, 0x15000003}, // a stale id under another function does not count
    };
    struct Case {
        uint32_t id;
        bool inUse;
    };
    for (const Case c : {Case{0x15000001, true}, Case{0x15000002, true}, Case{0x15000003, false},
                         Case{0x15000004, false}}) {
        EXPECT_EQ(IsMacroInUse(c.id, slots, buttons), c.inUse) << std::hex << c.id;
    }
}

} // namespace
} // namespace qx71
