#include "core/config/ConfigStore.h"

#include "core/common/GuardedFileSystem.h"
#include "core/common/IMessageSink.h"
#include "core/common/Utf.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "core/config/StoreMacroUsage.h"
#include "core/i18n/UiStrings.h"
#include "support/SystemBackends.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace qx71 {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

class RecordingSink final : public IMessageSink {
public:
    void Show(const UserMessage& message) override
    {
        icons.push_back(message.icon);
        const bool box = message.kind == MessageKind::SystemBox;
        lines.push_back((box ? "[" + Utf16ToUtf8(message.caption) + "] " : "[timed] ") +
                        Utf16ToUtf8(message.text));
    }
    std::vector<std::string> lines;
    std::vector<MessageIcon> icons;
};

// The real file system with failures injected for chosen paths.
class FaultyFileSystem final : public IFileSystem {
public:
    FileReadResult ReadFile(const std::filesystem::path& path, size_t maxBytes) override
    {
        if (auto it = readFaults.find(path); it != readFaults.end()) {
            return {it->second, {}};
        }
        return real.ReadFile(path, maxBytes);
    }
    FileError WriteFileAtomic(const std::filesystem::path& path,
                              std::span<const uint8_t> bytes) override
    {
        ++writes;
        if (auto it = writeFaults.find(path); it != writeFaults.end()) {
            return it->second;
        }
        return real.WriteFileAtomic(path, bytes);
    }
    bool Exists(const std::filesystem::path& p) override { return real.Exists(p); }
    bool IsDirectory(const std::filesystem::path& p) override { return real.IsDirectory(p); }
    bool CreateDirectories(const std::filesystem::path& p) override
    {
        return real.CreateDirectories(p);
    }
    FileError RemoveFile(const std::filesystem::path& path) override
    {
        return real.RemoveFile(path);
    }

    test::SystemFileSystem real;
    std::map<std::filesystem::path, FileError> readFaults;
    std::map<std::filesystem::path, FileError> writeFaults;
    int writes = 0;
};

std::vector<uint8_t> Bytes(const ProfileRecord& record)
{
    const ProfileBytes b = ProfileToBytes(record);
    return {b.begin(), b.end()};
}

// A valid profile told apart from the others by its pointer speed.
ProfileRecord Marked(int32_t marker)
{
    ProfileRecord r = DefaultProfile(false);
    r.pointerSpeed = marker;
    r.reserved[7] = 0x5A; // carried along untouched
    return r;
}

ProfileRecord Rejected()
{
    ProfileRecord r = Marked(99);
    r.magic = 0x80800206;
    return r;
}

class ConfigStoreTest : public ::testing::Test {
protected:
    ConfigStoreTest()
    {
        strings.Set("str_msg2", u"Cannot find %s.");
        strings.Set("str_msg4", u"Access denied.");
        strings.Set("str_msg5", u"Access denied, not saved.");
    }

    std::filesystem::path SlotFile(size_t n) const
    {
        return data / "Profile" / ("Profile" + std::to_string(n + 1) + ".cfg");
    }
    std::filesystem::path DirectoryFile() const { return data / "Profile" / "ConfigInfo.cfg"; }
    void WriteProfile(size_t n, const ProfileRecord& r) { WriteAll(SlotFile(n), Bytes(r)); }
    void WriteDirectory(const ProfileDirectory& d)
    {
        const DirectoryBytes b = DirectoryToBytes(d);
        WriteAll(DirectoryFile(), b);
    }
    // Five valid profiles, slot n marked 10 + n, and the seed directory.
    void Seed()
    {
        WriteDirectory(SeedDirectory());
        for (size_t n = 0; n < kProfileSlots; ++n) {
            WriteProfile(n, Marked(static_cast<int32_t>(10 + n)));
        }
    }
    std::string Path(const std::filesystem::path& p) const { return p.string(); }

    TempDir tmp;
    std::filesystem::path data = tmp / "TOLVI/QX71";
    FaultyFileSystem files;
    RecordingSink sink;
    UiStrings strings;
    bool chinese = false;
    ConfigStore store{files, sink, strings, data, [this] { return chinese; }};
};

enum class FileState { Valid, Missing, Rejected };

struct SlotSetup {
    bool magic;
    bool active;
    FileState file;
};

constexpr SlotSetup kInactive{true, false, FileState::Valid};

TEST_F(ConfigStoreTest, LoadDirectoryWalksTheActiveSlots)
{
    using S = FileState;
    struct Case {
        const char* name;
        bool directoryPresent;
        std::array<SlotSetup, 5> slots;
        size_t current;
        std::array<bool, 5> selected;
        std::array<int32_t, 5> activeAfter;
        std::vector<std::string> messages; // %1 = Profile1.cfg's path ... %5, %D ConfigInfo.cfg
        std::vector<size_t> defaulted;     // slots whose file now holds defaults
        bool clean;
    };
    const Case cases[] = {
        {"seeded",
         true,
         {{{true, true, S::Valid}, kInactive, kInactive, kInactive, kInactive}},
         0,
         {true, false, false, false, false},
         {1, 0, 0, 0, 0},
         {},
         {},
         true},
        {"only slot 2 is valid and active",
         true,
         {{{false, false, S::Valid},
           {false, true, S::Valid},
           {true, true, S::Valid},
           {false, true, S::Valid},
           {false, false, S::Valid}}},
         2,
         {false, false, true, false, false},
         {0, 1, 1, 1, 0},
         {},
         {},
         true},
        {"two active slots: the lower one wins, the other keeps its flag",
         true,
         {{kInactive, {true, true, S::Valid}, kInactive, {true, true, S::Valid}, kInactive}},
         1,
         {false, true, false, true, false},
         {0, 1, 0, 1, 0},
         {},
         {},
         true},
        {"active file missing: defaulted, first slot taken",
         true,
         {{kInactive, {true, true, S::Missing}, kInactive, kInactive, kInactive}},
         0,
         {true, false, false, false, false},
         {1, 0, 0, 0, 0},
         {"[timed] Failed to open file, check whether there is a %2 path?"},
         {1},
         false},
        {"active file rejected: defaulted, walk goes on",
         true,
         {{{true, true, S::Rejected}, kInactive, {true, true, S::Valid}, kInactive, kInactive}},
         2,
         {false, false, true, false, false},
         {0, 0, 1, 0, 0},
         {"[Info] %1 is an invaild Profile!"},
         {0},
         false},
        {"no usable slot: the first slot's file, not reported when missing",
         true,
         {{{true, false, S::Missing}, kInactive, {true, true, S::Rejected}, kInactive, kInactive}},
         0,
         {true, false, false, false, false},
         {1, 0, 0, 0, 0},
         {"[Info] %3 is an invaild Profile!"},
         {0, 2},
         false},
        {"directory missing",
         false,
         {{kInactive, kInactive, kInactive, kInactive, kInactive}},
         0,
         {false, false, false, false, false},
         {1, 0, 0, 0, 0},
         {"[timed] Failed to open file, check whether there is a %D path?"},
         {},
         false},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir caseDir;
        data = caseDir / "TOLVI/QX71";
        sink.lines.clear();
        ConfigStore s(files, sink, strings, data);

        ProfileDirectory d;
        for (size_t n = 0; n < 5; ++n) {
            d.slots[n].slotMagic = c.slots[n].magic ? kSlotMagic : 0;
            d.slots[n].active = c.slots[n].active ? 1 : 0;
            d.slots[n].macroIds[0] = static_cast<uint32_t>(100 + n);
            if (c.slots[n].file == FileState::Valid) {
                WriteProfile(n, Marked(static_cast<int32_t>(10 + n)));
            } else if (c.slots[n].file == FileState::Rejected) {
                WriteProfile(n, Rejected());
            }
        }
        if (c.directoryPresent) {
            WriteDirectory(d);
        }

        EXPECT_EQ(s.LoadDirectory(), c.clean);
        EXPECT_EQ(s.CurrentSlot(), c.current);
        EXPECT_EQ(s.SelectedButtons(), c.selected);
        for (size_t n = 0; n < 5; ++n) {
            EXPECT_EQ(s.Directory().slots[n].active, c.activeAfter[n]) << "slot " << n;
        }
        std::vector<std::string> expected;
        for (std::string m : c.messages) {
            const auto at = m.find('%');
            const char which = m[at + 1];
            m.replace(at, 2, which == 'D' ? Path(DirectoryFile()) : Path(SlotFile(which - '1')));
            expected.push_back(m);
        }
        EXPECT_EQ(sink.lines, expected);
        for (size_t n : c.defaulted) {
            EXPECT_EQ(ReadAll(SlotFile(n)), Bytes(DefaultProfile(false))) << "slot " << n;
        }
        // The current profile is the current slot's file as it is now on disk.
        EXPECT_EQ(Bytes(s.CurrentProfile()), ReadAll(SlotFile(c.current)));
        // The links follow the profile's own assignments, not the ids the slot saved: these
        // profiles have no macro button.
        EXPECT_EQ(s.ButtonMacroIds()[0], 0u);
    }
}

TEST_F(ConfigStoreTest, DirectoryPathsAreRewrittenAndReservedBytesKept)
{
    ProfileDirectory d = SeedDirectory();
    SetText(d.slots[0].path, u"C:\\Users\\old\\AppData\\Local\\Temp\\TOLVI\\QX71\\x.cfg");
    d.slots[4].reserved0[17] = 0xAB;
    d.slots[2].reserved1[3] = 0xCD;
    WriteDirectory(d);
    // Only the first slot is in the file: the rest reads as zero.
    std::vector<uint8_t> shortDirectory = ReadAll(DirectoryFile());
    WriteProfile(0, Marked(10));

    ASSERT_TRUE(store.LoadDirectory());
    EXPECT_EQ(Utf16ToUtf8(TextOf(store.Directory().slots[0].path)), Path(SlotFile(0)));
    EXPECT_EQ(Utf16ToUtf8(TextOf(store.Directory().slots[3].path)), Path(SlotFile(3)));
    ASSERT_TRUE(store.SaveDirectory());
    const ProfileDirectory saved = DirectoryFromBytes(ReadAll(DirectoryFile()));
    EXPECT_EQ(saved.slots[4].reserved0[17], 0xAB);
    EXPECT_EQ(saved.slots[2].reserved1[3], 0xCD);
    EXPECT_EQ(ReadAll(DirectoryFile()).size(), kProfileDirectorySize);

    shortDirectory.resize(kProfileSlotSize);
    WriteAll(DirectoryFile(), shortDirectory);
    ConfigStore again(files, sink, strings, data);
    EXPECT_TRUE(again.LoadDirectory());
    EXPECT_EQ(again.SelectedButtons(), (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(again.Directory().slots[1].slotMagic, 0);
}

TEST_F(ConfigStoreTest, LoadProfileFileAcceptsShortFilesAndKeepsMemoryOnRejection)
{
    Seed();
    ASSERT_TRUE(store.LoadDirectory());

    // A short file with the magic is damaged: what it holds is kept, what it lacks takes the
    // defaults, the user is told naming it, and the file is written back whole.
    std::vector<uint8_t> shortFile = Bytes(Marked(17));
    shortFile.resize(100);
    WriteAll(tmp / "short.cfg", shortFile);
    sink.lines.clear();
    EXPECT_EQ(store.LoadProfileFile(tmp / "short.cfg", true), ProfileLoad::Loaded);
    std::vector<uint8_t> expected = Bytes(DefaultProfile(false));
    std::copy(shortFile.begin(), shortFile.end(), expected.begin());
    EXPECT_EQ(Bytes(store.CurrentProfile()), expected);
    EXPECT_EQ(ReadAll(tmp / "short.cfg"), expected);
    EXPECT_EQ(sink.lines, std::vector<std::string>{
                              "[Info] " + Path(tmp / "short.cfg") +
                              " is damaged: it is shorter than a profile (100 of 22156 bytes). "
                              "The settings it lacks and any out of range were set to their "
                              "defaults."});

    const std::vector<uint8_t> before = Bytes(store.CurrentProfile());
    WriteAll(tmp / "bad.cfg", Bytes(Rejected()));
    EXPECT_EQ(store.LoadProfileFile(tmp / "bad.cfg", true), ProfileLoad::Rejected);
    EXPECT_EQ(Bytes(store.CurrentProfile()), before);

    // Missing and not to be reported: nothing shown, nothing written.
    sink.lines.clear();
    const int writesBefore = files.writes;
    EXPECT_EQ(store.LoadProfileFile(tmp / "none.cfg", false), ProfileLoad::NotLoaded);
    EXPECT_TRUE(sink.lines.empty());
    EXPECT_EQ(files.writes, writesBefore);
    EXPECT_FALSE(std::filesystem::exists(tmp / "none.cfg"));
}

// Values no profile holds (seen in the field: a pointer speed of 74991778, 2987 wheel lines)
// and a file cut to half its size: on load, from the start or a switch, each damaged field gets
// its default, the user is told once naming the file, and the file is written back repaired.
TEST_F(ConfigStoreTest, ADamagedProfileIsRepairedOnLoadAndToldOnce)
{
    ProfileRecord ranged = Marked(12);
    ranged.pointerSpeed = 74991778;
    ranged.wheelLines = 2987;
    std::vector<uint8_t> half = Bytes(Marked(13));
    half.resize(kProfileRecordSize / 2);
    struct Case {
        const char* name;
        size_t slot;
        std::vector<uint8_t> file;
        std::string told; // after the file's path
    };
    const Case cases[] = {
        {"out of range, at the start", 0, Bytes(ranged),
         " held settings out of range, which were set to their defaults: pointer speed, "
         "wheel lines."},
        {"half a profile, at a switch", 2, half,
         " is damaged: it is shorter than a profile (11078 of 22156 bytes). The settings it "
         "lacks and any out of range were set to their defaults."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seed();
        WriteAll(SlotFile(c.slot), c.file);
        for (int start = 0; start < 2; ++start) {
            ConfigStore loaded(files, sink, strings, data);
            sink.lines.clear();
            ASSERT_TRUE(loaded.LoadDirectory());
            if (c.slot != 0) {
                ASSERT_EQ(loaded.SwitchProfile(c.slot), ProfileLoad::Loaded);
            }
            const ProfileRecord& p = loaded.CurrentProfile();
            EXPECT_EQ(p.pointerSpeed, 10);
            EXPECT_EQ(p.wheelLines, 3);
            EXPECT_EQ(p.dpiStages, kDefaultDpiStages);
            EXPECT_EQ(p.buttons[6].function, DefaultProfile(false).buttons[6].function);
            EXPECT_EQ(ReadAll(SlotFile(c.slot)), Bytes(p)) << "written back repaired";
            EXPECT_EQ(sink.lines,
                      start == 0
                          ? std::vector<std::string>{"[Info] " + Path(SlotFile(c.slot)) + c.told}
                          : std::vector<std::string>{})
                << "start " << start;
        }
    }
}

TEST_F(ConfigStoreTest, SwitchProfile)
{
    struct Case {
        const char* name;
        size_t target;
        FileState file;
        bool denyDefaults;
        ProfileLoad result;
        bool switched;
        std::vector<std::string> messages;
    };
    const std::string missing = "[timed] Failed to open file, check whether there is a ";
    const Case cases[] = {
        {"valid", 3, FileState::Valid, false, ProfileLoad::Loaded, true, {}},
        {"rejected keeps the previous profile",
         3,
         FileState::Rejected,
         false,
         ProfileLoad::Rejected,
         false,
         {"[Info] %4 is an invaild Profile!"}},
        {"missing: written with defaults and switched to them",
         3,
         FileState::Missing,
         false,
         ProfileLoad::NotLoaded,
         true,
         {missing + "%4 path?"}},
        {"missing and not writable: nothing changes",
         3,
         FileState::Missing,
         true,
         ProfileLoad::NotLoaded,
         false,
         {missing + "%4 path?", "[timed] Access denied.\n%4"}},
        {"no such slot", 5, FileState::Valid, false, ProfileLoad::NotLoaded, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir caseDir;
        data = caseDir / "TOLVI/QX71";
        Seed();
        ConfigStore s(files, sink, strings, data);
        ASSERT_TRUE(s.LoadDirectory());
        s.ButtonMacroIds()[2] = 77; // unapplied edits of the page
        const std::vector<uint8_t> previous = Bytes(s.CurrentProfile());
        if (c.file == FileState::Rejected) {
            WriteProfile(3, Rejected());
        } else if (c.file == FileState::Missing) {
            std::filesystem::remove(SlotFile(3));
        }
        files.writeFaults.clear();
        if (c.denyDefaults) {
            files.writeFaults[SlotFile(3)] = FileError::AccessDenied;
        }
        sink.lines.clear();

        EXPECT_EQ(s.SwitchProfile(c.target), c.result);

        std::vector<std::string> expected;
        for (std::string m : c.messages) {
            if (const auto at = m.find("%4"); at != std::string::npos) {
                m.replace(at, 2, Path(SlotFile(3)));
            }
            expected.push_back(m);
        }
        EXPECT_EQ(sink.lines, expected);
        if (c.switched) {
            EXPECT_EQ(s.CurrentSlot(), c.target);
            const ProfileRecord expectedProfile = c.file == FileState::Valid
                                                      ? Marked(static_cast<int32_t>(10 + c.target))
                                                      : DefaultProfile(false);
            EXPECT_EQ(Bytes(s.CurrentProfile()), Bytes(expectedProfile));
            std::array<bool, 5> only{};
            only[c.target] = true;
            EXPECT_EQ(s.SelectedButtons(), only);
            for (size_t n = 0; n < 5; ++n) {
                EXPECT_EQ(s.Directory().slots[n].active, n == c.target ? 1 : 0);
            }
            EXPECT_EQ(s.ButtonMacroIds()[2], 0u);
        } else {
            EXPECT_EQ(s.CurrentSlot(), 0u);
            EXPECT_EQ(Bytes(s.CurrentProfile()), previous);
            EXPECT_EQ(s.SelectedButtons(), (std::array<bool, 5>{true, false, false, false, false}));
            EXPECT_EQ(s.Directory().slots[0].active, 1);
            EXPECT_EQ(s.ButtonMacroIds()[2], 77u);
        }
        // Switching never saves the directory.
        EXPECT_EQ(ReadAll(DirectoryFile()), [] {
            const DirectoryBytes b = DirectoryToBytes(SeedDirectory());
            return std::vector<uint8_t>(b.begin(), b.end());
        }());
    }
}

TEST_F(ConfigStoreTest, ImportTakesOnlyAProfileAndChangesOnlyMemory)
{
    std::vector<uint8_t> pattern(kProfileRecordSize + 50);
    for (size_t i = 0; i < pattern.size(); ++i) {
        pattern[i] = static_cast<uint8_t>(i * 13 + 1);
    }
    const std::vector<uint8_t> magic = {0x05, 0x02, 0x80, 0x80};
    std::copy(magic.begin(), magic.end(), pattern.begin());
    auto prefix = [&](size_t n) {
        return std::vector<uint8_t>(pattern.begin(), pattern.begin() + n);
    };
    auto zeroPadded = [&](size_t n) {
        std::vector<uint8_t> v = prefix(n);
        v.resize(kProfileRecordSize, 0);
        return v;
    };
    std::vector<uint8_t> wrongMagic = prefix(kProfileRecordSize);
    wrongMagic[3] = 0x81;

    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        bool present;
        bool accepted;
        std::vector<uint8_t> expected;
    };
    const Case cases[] = {
        {"4 bytes of magic", magic, true, true, zeroPadded(4)},
        {"100 bytes", prefix(100), true, true, zeroPadded(100)},
        {"longer than a record", pattern, true, true, prefix(kProfileRecordSize)},
        {"wrong magic", wrongMagic, true, false, {}},
        {"3 bytes", prefix(3), true, false, {}},
        {"empty", {}, true, false, {}},
        {"missing", {}, false, false, {}},
    };

    Seed();
    ASSERT_TRUE(store.LoadDirectory());
    store.ButtonMacroIds()[1] = 5;
    const std::vector<uint8_t> profileFile = ReadAll(SlotFile(0));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.RestoreDefaults();
        store.ButtonMacroIds()[1] = 5;
        const std::vector<uint8_t> before = Bytes(store.CurrentProfile());
        const std::filesystem::path file = tmp / "import.cfg";
        std::filesystem::remove(file);
        if (c.present) {
            WriteAll(file, c.file);
        }
        sink.lines.clear();

        EXPECT_EQ(store.ImportProfile(file), c.accepted);
        EXPECT_EQ(Bytes(store.CurrentProfile()), c.accepted ? c.expected : before);
        EXPECT_EQ(sink.lines, std::vector<std::string>{
                                  "[Info] " + Path(file) +
                                  (c.accepted ? " import success!" : " is an invaild Profile!")});
        // An accepted file brings its own macro links (these records have no macro button).
        EXPECT_EQ(store.ButtonMacroIds()[1], c.accepted ? 0u : 5u);
        EXPECT_EQ(ReadAll(SlotFile(0)), profileFile);
    }
}

TEST_F(ConfigStoreTest, ExportThenImportIsTheIdentity)
{
    ProfileRecord unusual = Marked(20);
    unusual.buttons[4].reserved2[100] = 0x99;
    SetText(unusual.buttons[1].displayName, u"播放/暂停");
    unusual.buttons[1].displayName[200] = u'x'; // text beyond the terminator
    WriteDirectory(SeedDirectory());
    WriteProfile(0, unusual);
    ASSERT_TRUE(store.LoadDirectory());

    const std::filesystem::path file = tmp / "out" / "mine.cfg";
    std::filesystem::create_directories(file.parent_path());
    ASSERT_TRUE(store.ExportProfile(file));
    EXPECT_EQ(ReadAll(file), Bytes(unusual));
    store.RestoreDefaults();
    ASSERT_TRUE(store.ImportProfile(file));
    EXPECT_EQ(Bytes(store.CurrentProfile()), Bytes(unusual));
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[Info] " + Path(file) + " export success!",
                                                    "[Info] " + Path(file) + " import success!"}));
    // A success told with the information sign; a failure keeps the warning sign.
    EXPECT_EQ(sink.icons.front(), MessageIcon::Information);

    sink.lines.clear();
    EXPECT_FALSE(store.ExportProfile(tmp / "no" / "folder" / "x.cfg"));
    EXPECT_EQ(sink.lines,
              std::vector<std::string>{"[Info] " + Path(tmp / "no" / "folder" / "x.cfg") +
                                       " export failed!"});
    EXPECT_EQ(sink.icons.back(), MessageIcon::Warning);
}

TEST_F(ConfigStoreTest, SaveFailuresKeepTheOldFileAndSayWhy)
{
    Seed();
    ASSERT_TRUE(store.LoadDirectory());
    const std::vector<uint8_t> old = ReadAll(SlotFile(0));
    store.CurrentProfile().pointerSpeed = 3;

    // The disk is full: the write fails after the temporary file was created.
    files.real.SetWriteFault([](size_t) { return false; });
    EXPECT_FALSE(store.SaveCurrentProfile());
    EXPECT_FALSE(store.SaveDirectory());
    files.real.SetWriteFault({});
    EXPECT_EQ(ReadAll(SlotFile(0)), old);
    EXPECT_EQ(ReadAll(DirectoryFile()).size(), kProfileDirectorySize);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data / "Profile"), {}), 6);

    struct Case {
        FileError error;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {FileError::NotFound, {"[Info] Cannot find " + Path(SlotFile(0)) + "."}},
        {FileError::AccessDenied, {"[Info] Access denied, not saved.\n" + Path(SlotFile(0))}},
        {FileError::Other, {}},
    };
    for (const Case& c : cases) {
        sink.lines.clear();
        files.writeFaults[SlotFile(0)] = c.error;
        EXPECT_FALSE(store.SaveCurrentProfile());
        EXPECT_EQ(sink.lines, c.messages);
    }
    files.writeFaults.clear();

    // A record that lost its magic is never written.
    store.CurrentProfile().magic = 0;
    EXPECT_FALSE(store.SaveCurrentProfile());
    EXPECT_EQ(ReadAll(SlotFile(0)), old);
}

// A settings file that is there but cannot be read holds the user's data: it is told once,
// the program goes on with defaults in memory, and its saves are refused with the same
// message; the file is never written over.
TEST_F(ConfigStoreTest, AFileThatCannotBeReadIsNeverWrittenOver)
{
    struct Case {
        const char* name;
        bool profile;   // Profile1.cfg cannot be read
        bool directory; // ConfigInfo.cfg cannot be read
        FileError why;
        const char* reason;
    };
    const Case cases[] = {
        {"profile denied", true, false, FileError::AccessDenied, "access denied"},
        {"profile is a pipe", true, false, FileError::NotRegular,
         "it is a folder, a pipe or a device, not a file"},
        {"directory read error", false, true, FileError::Other, "read error"},
        {"both denied", true, true, FileError::AccessDenied, "access denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seed();
        const std::vector<uint8_t> profileBefore = ReadAll(SlotFile(0));
        const std::vector<uint8_t> directoryBefore = ReadAll(DirectoryFile());
        files.readFaults.clear();
        std::vector<std::string> told;
        auto tell = [&](const std::filesystem::path& p) {
            told.push_back("[Info] " + p.string() + " cannot be read (" + c.reason +
                           "). The program goes on with default settings and will not save "
                           "over this file until it can be read.");
        };
        if (c.directory) {
            files.readFaults[DirectoryFile()] = c.why;
            tell(DirectoryFile());
        }
        if (c.profile) {
            files.readFaults[SlotFile(0)] = c.why;
            tell(SlotFile(0));
        }
        sink.lines.clear();
        GuardedFileSystem guarded(files, sink, {SlotFile(0), DirectoryFile()});
        ConfigStore unreadable(guarded, sink, strings, data);
        EXPECT_FALSE(unreadable.LoadDirectory());
        EXPECT_EQ(sink.lines, told);
        EXPECT_EQ(unreadable.CurrentSlot(), 0u);
        if (c.profile) {
            EXPECT_EQ(Bytes(unreadable.CurrentProfile()), Bytes(DefaultProfile(false)));
        } else {
            EXPECT_EQ(unreadable.CurrentProfile().pointerSpeed, 10);
        }

        // Every save of an unreadable file is refused with the same message, and said once.
        unreadable.CurrentProfile().pointerSpeed = 77;
        unreadable.ButtonMacroIds()[0] = 0x15000001;
        sink.lines.clear();
        EXPECT_FALSE(unreadable.SaveAppliedProfile());
        EXPECT_EQ(sink.lines, std::vector<std::string>(told.rbegin(), told.rend()));
        EXPECT_EQ(ReadAll(SlotFile(0)) == profileBefore, c.profile);
        EXPECT_EQ(ReadAll(DirectoryFile()) == directoryBefore, c.directory);

        // Once a read of it succeeds, memory holds the file again and saves go through.
        files.readFaults.clear();
        ASSERT_EQ(unreadable.SwitchProfile(0), ProfileLoad::Loaded);
        EXPECT_EQ(c.directory, guarded.Refuses(DirectoryFile()));
        EXPECT_FALSE(guarded.Refuses(SlotFile(0)));
        EXPECT_TRUE(unreadable.SaveCurrentProfile());
    }
}

TEST_F(ConfigStoreTest, SaveAppliedProfileRecordsTheMacrosOfTheCurrentSlot)
{
    Seed();
    ASSERT_TRUE(store.LoadDirectory());
    ASSERT_EQ(store.SwitchProfile(2), ProfileLoad::Loaded);
    store.CurrentProfile().buttons[1].function = 6;
    store.CurrentProfile().buttons[1].macroId = 0x15000042;
    store.ButtonMacroIds()[1] = 0x15000042;
    // The profile folder went away while the program ran.
    std::filesystem::remove_all(data / "Profile");

    ASSERT_TRUE(store.SaveAppliedProfile());
    EXPECT_EQ(ReadAll(SlotFile(2)), Bytes(store.CurrentProfile()));
    const ProfileDirectory saved = DirectoryFromBytes(ReadAll(DirectoryFile()));
    EXPECT_EQ(saved.slots[2].macroIds[1], 0x15000042u);
    EXPECT_EQ(saved.slots[2].active, 1);
    EXPECT_EQ(saved.slots[0].active, 0);
    EXPECT_TRUE(sink.lines.empty());
}

TEST_F(ConfigStoreTest, ASaveAfterAPassThatFailsIsToldOnceWithTheReasonWhereOneIsKnown)
{
    auto notSaved = [](const std::filesystem::path& file) {
        return "[timed] The settings were sent to the mouse, but they could not be saved in " +
               file.string() + ".";
    };
    struct Case {
        const char* name;
        bool profileFails;
        FileError error;
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"profile denied: its own box only",
         true,
         FileError::AccessDenied,
         {"[Info] Access denied, not saved.\n" + Path(SlotFile(0))}},
        {"profile on a full disk", true, FileError::Other, {notSaved(SlotFile(0))}},
        // The profile was saved: only ConfigInfo.cfg is named, never the Profile folder.
        {"directory refused",
         false,
         FileError::AccessDenied,
         {"[Info] Access denied, not saved.\n" + Path(DirectoryFile())}},
        {"directory on a full disk", false, FileError::Other, {notSaved(DirectoryFile())}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seed();
        ASSERT_TRUE(store.LoadDirectory());
        files.writeFaults = {{c.profileFails ? SlotFile(0) : DirectoryFile(), c.error}};
        sink.lines.clear();
        EXPECT_FALSE(store.SaveAppliedProfile());
        EXPECT_EQ(sink.lines, c.told);
        files.writeFaults.clear();
    }
}

TEST_F(ConfigStoreTest, DefaultsFollowTheLanguageAndADeniedWriteChangesNothing)
{
    Seed();
    ASSERT_TRUE(store.LoadDirectory());
    store.ButtonMacroIds().fill(9);
    const std::vector<uint8_t> onDisk = ReadAll(SlotFile(0));
    chinese = true;
    store.RestoreDefaults();
    EXPECT_EQ(Bytes(store.CurrentProfile()), Bytes(DefaultProfile(true)));
    EXPECT_EQ(store.ButtonMacroIds(), (std::array<uint32_t, 7>{}));
    EXPECT_EQ(ReadAll(SlotFile(0)), onDisk);

    chinese = false;
    const std::vector<uint8_t> current = Bytes(store.CurrentProfile());
    files.writeFaults[SlotFile(4)] = FileError::AccessDenied;
    EXPECT_FALSE(store.WriteDefaultProfile(SlotFile(4)));
    EXPECT_EQ(sink.lines, std::vector<std::string>{"[timed] Access denied.\n" + Path(SlotFile(4))});
    EXPECT_EQ(Bytes(store.CurrentProfile()), current);

    EXPECT_TRUE(store.WriteDefaultProfile(SlotFile(3)));
    EXPECT_EQ(ReadAll(SlotFile(3)), Bytes(DefaultProfile(false)));
    EXPECT_EQ(Bytes(store.CurrentProfile()), Bytes(DefaultProfile(false)));
}

TEST_F(ConfigStoreTest, EveryArrivingProfileBringsItsOwnMacroLinksAndMissingMacrosAreNamed)
{
    constexpr uint32_t kStored = 0x15000001;
    constexpr uint32_t kGone = 0x15000009;
    store.SetMacroLookup([](uint32_t id) -> std::optional<MacroRecord> {
        if (id != kStored) {
            return std::nullopt;
        }
        MacroRecord m;
        m.size = kMacroRecordSize;
        m.id = id;
        return m;
    });
    ProfileRecord withMacros = Marked(19);
    withMacros.buttons[4].function = 6; // back: a stored macro
    withMacros.buttons[4].macroId = kStored;
    withMacros.buttons[3].function = 6; // forward: a macro the table lacks
    withMacros.buttons[3].macroId = kGone;
    SetText(withMacros.buttons[3].displayName, u"Dash");
    const std::array<uint32_t, kProfileButtons> links{0, 0, 0, kGone, kStored, 0, 0};
    const std::string missing = "These buttons are set to a macro that the macro list no longer "
                                "holds; they do nothing until they are set again:\nForward: "
                                "\"Dash\" (0x15000009)";

    // At start: the slot saved without its links (as an import applied before this mend did).
    Seed();
    WriteProfile(0, withMacros);
    ASSERT_TRUE(store.LoadDirectory());
    EXPECT_EQ(store.ButtonMacroIds(), links);
    EXPECT_EQ(store.MissingMacros(),
              (std::vector<MissingMacro>{{ButtonIndex::Forward, kGone, u"Dash"}}));
    EXPECT_TRUE(sink.lines.empty());

    // Defaults: no macro button, no link.
    store.RestoreDefaults();
    EXPECT_EQ(store.ButtonMacroIds(), (std::array<uint32_t, kProfileButtons>{}));
    EXPECT_TRUE(store.MissingMacros().empty());

    // Import: the file's own links; the message names the button and the macro.
    const std::filesystem::path file = tmp / "macros.cfg";
    WriteAll(file, Bytes(withMacros));
    ASSERT_TRUE(store.ImportProfile(file));
    EXPECT_EQ(store.ButtonMacroIds(), links);
    EXPECT_EQ(sink.lines,
              std::vector<std::string>{"[Info] " + Path(file) + " import success!\n\n" + missing});

    // Switch: the slot's profile, not the directory's saved links, and the same box.
    WriteProfile(2, withMacros);
    sink.lines.clear();
    ASSERT_EQ(store.SwitchProfile(1), ProfileLoad::Loaded);
    EXPECT_EQ(store.ButtonMacroIds(), (std::array<uint32_t, kProfileButtons>{}));
    EXPECT_TRUE(sink.lines.empty());
    ASSERT_EQ(store.SwitchProfile(2), ProfileLoad::Loaded);
    EXPECT_EQ(store.ButtonMacroIds(), links);
    EXPECT_EQ(sink.lines, std::vector<std::string>{"[Info] " + missing});
}

TEST_F(ConfigStoreTest, MacroInUseLooksAtAppliedIdsAndTheCurrentMacroButtons)
{
    ProfileDirectory d = SeedDirectory();
    d.slots[4].macroIds[6] = 0x01000001; // applied in another profile
    WriteDirectory(d);
    ProfileRecord current = Marked(10);
    current.buttons[2].function = 6;
    current.buttons[2].macroId = 0x02000002;
    current.buttons[3].function = 5; // a stale id under another function does not count
    current.buttons[3].macroId = 0x03000003;
    WriteProfile(0, current);
    ASSERT_TRUE(store.LoadDirectory());
    store.ButtonMacroIds()[0] = 0x04000004; // not applied yet: does not count

    const StoreMacroUsage usage(store);
    EXPECT_TRUE(usage.IsMacroInUse(0x01000001));
    EXPECT_TRUE(usage.IsMacroInUse(0x02000002));
    EXPECT_FALSE(usage.IsMacroInUse(0x03000003));
    EXPECT_FALSE(usage.IsMacroInUse(0x04000004));
}

} // namespace
} // namespace qx71
