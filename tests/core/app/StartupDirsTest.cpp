#include "core/app/StartupDirs.h"

#include "core/common/Utf.h"
#include "support/SystemBackends.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <numeric>

namespace qx71 {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteText;

TEST(FormDataDir, FollowsOverrideThenXdgThenHome)
{
    struct Case {
        DataDirEnvironment env;
        std::string expected;
    };
    const Case cases[] = {
        {{"/data/qx", "/xdg", "/home/u"}, "/data/qx"},
        {{std::nullopt, "/xdg", "/home/u"}, "/xdg/TOLVI/QX71"},
        {{std::nullopt, std::nullopt, "/home/u"}, "/home/u/.config/TOLVI/QX71"},
        // An empty or relative XDG_CONFIG_HOME is ignored.
        {{std::nullopt, "", "/home/u"}, "/home/u/.config/TOLVI/QX71"},
        {{std::nullopt, "rel/dir", "/home/u"}, "/home/u/.config/TOLVI/QX71"},
        {{"", "/xdg", "/home/u"}, "/xdg/TOLVI/QX71"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormDataDir(c.env), std::filesystem::path(c.expected)) << c.expected;
    }
}

TEST(FormInstallDir, CutsAtTheLastSeparator)
{
    EXPECT_EQ(FormInstallDir("/opt/qx71/lib/qx71ctl"), std::filesystem::path("/opt/qx71/lib"));
}

class SeedDataDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* f : kSeedFiles) {
            WriteText(install / f, std::string("seed:") + f);
        }
    }
    TempDir tmp;
    std::filesystem::path install = tmp / "install";
    std::filesystem::path data = tmp / "user/.config/TOLVI/QX71";
    test::SystemFileSystem fs;
};

TEST_F(SeedDataDirTest, FirstStartCreatesTheFoldersAndCopiesEveryFile)
{
    EXPECT_TRUE(SeedDataDir(fs, install, data).seeded);
    for (const char* f : kSeedFiles) {
        EXPECT_EQ(ReadAll(data / f), ReadAll(install / f)) << f;
    }
}

TEST_F(SeedDataDirTest, ExistingDataDirIsLeftAloneEvenWithFilesMissing)
{
    std::filesystem::create_directories(data / "Profile");
    WriteText(data / "Macro.cfg", "mine");
    EXPECT_FALSE(SeedDataDir(fs, install, data).seeded);
    EXPECT_EQ(ReadAll(data / "Macro.cfg"), std::vector<uint8_t>({'m', 'i', 'n', 'e'}));
    EXPECT_FALSE(std::filesystem::exists(data / "Profile/Profile3.cfg"));
}

// A folder that exists but holds none of the nine files (made by hand, by mktemp, by a backup
// tool) is seeded like a missing one; other files in it stay.
TEST_F(SeedDataDirTest, AFolderWithoutAnySettingsFileIsSeededLikeAMissingOne)
{
    for (const bool withOtherFiles : {false, true}) {
        SCOPED_TRACE(withOtherFiles);
        std::filesystem::remove_all(data);
        std::filesystem::create_directories(data);
        if (withOtherFiles) {
            std::filesystem::create_directories(data / "Profile");
            WriteText(data / "notes.txt", "mine");
        }
        EXPECT_TRUE(SeedDataDir(fs, install, data).seeded);
        for (const char* f : kSeedFiles) {
            EXPECT_EQ(ReadAll(data / f), ReadAll(install / f)) << f;
        }
        if (withOtherFiles) {
            EXPECT_EQ(ReadAll(data / "notes.txt"), std::vector<uint8_t>({'m', 'i', 'n', 'e'}));
        }
    }
}

TEST_F(SeedDataDirTest, MissingSeedFilesAreSkippedAndTheRestCopied)
{
    std::filesystem::remove(install / "Sts.cfg");
    std::filesystem::remove(install / "Profile/Profile1.cfg");
    EXPECT_TRUE(SeedDataDir(fs, install, data).seeded);
    EXPECT_TRUE(std::filesystem::is_directory(data / "Profile"));
    EXPECT_FALSE(std::filesystem::exists(data / "Sts.cfg"));
    EXPECT_TRUE(std::filesystem::exists(data / "Profile/Profile2.cfg"));
    EXPECT_TRUE(std::filesystem::exists(data / "Language.cfg"));
}

// The real file system on a disk with `freeBytes` left: a write that does not fit fails as a
// full disk does, and leaves nothing.
class FullDiskFileSystem final : public IFileSystem {
public:
    FileReadResult ReadFile(const std::filesystem::path& path, size_t maxBytes) override
    {
        return real.ReadFile(path, maxBytes);
    }
    FileError WriteFileAtomic(const std::filesystem::path& path,
                              std::span<const uint8_t> bytes) override
    {
        if (bytes.size() > freeBytes) {
            return FileError::Other;
        }
        freeBytes -= bytes.size();
        return real.WriteFileAtomic(path, bytes);
    }
    bool Exists(const std::filesystem::path& path) override { return real.Exists(path); }
    bool IsDirectory(const std::filesystem::path& path) override { return real.IsDirectory(path); }
    bool CreateDirectories(const std::filesystem::path& path) override
    {
        return real.CreateDirectories(path);
    }
    FileError RemoveFile(const std::filesystem::path& path) override
    {
        return real.RemoveFile(path);
    }

    test::SystemFileSystem real;
    size_t freeBytes = 0;
};

std::vector<std::string> FailedFiles(const SeedOutcome& outcome)
{
    std::vector<std::string> names;
    for (const SeedFailure& failure : outcome.failures) {
        EXPECT_EQ(failure.error, FileError::Other) << failure.relativePath;
        names.push_back(failure.relativePath.string());
    }
    return names;
}

// A full disk leaves each file whole or missing, never empty or cut, and says which ones
// failed; the next start writes those and keeps what is there, and the one after does nothing.
TEST_F(SeedDataDirTest, ASeedingCutShortByAFullDiskIsFinishedAtTheNextStart)
{
    const std::vector<std::string> firstThree(std::begin(kSeedFiles), std::begin(kSeedFiles) + 3);
    const std::vector<std::string> rest(std::begin(kSeedFiles) + 3, std::end(kSeedFiles));
    FullDiskFileSystem disk;
    disk.freeBytes = std::accumulate(
        firstThree.begin(), firstThree.end(), size_t{0},
        [&](size_t sum, const std::string& f) { return sum + ReadAll(install / f).size(); });

    const SeedOutcome cut = SeedDataDir(disk, install, data);
    EXPECT_TRUE(cut.seeded);
    EXPECT_EQ(FailedFiles(cut), rest);
    for (const std::string& f : firstThree) {
        EXPECT_EQ(ReadAll(data / f), ReadAll(install / f)) << f;
    }
    for (const std::string& f : rest) {
        EXPECT_FALSE(std::filesystem::exists(data / f)) << f;
    }

    // Room again; the user changed a file that was seeded.
    disk.freeBytes = SIZE_MAX;
    WriteText(data / "Sts.cfg", "counted since");
    const SeedOutcome finished = SeedDataDir(disk, install, data);
    EXPECT_TRUE(finished.seeded);
    EXPECT_TRUE(finished.failures.empty());
    for (const std::string& f : rest) {
        EXPECT_EQ(ReadAll(data / f), ReadAll(install / f)) << f;
    }
    EXPECT_EQ(ReadAll(data / "Sts.cfg").size(), std::string("counted since").size());

    // Seeded in full: a file the user removes later is left to the readers' defaults.
    std::filesystem::remove(data / "Profile/Profile3.cfg");
    EXPECT_FALSE(SeedDataDir(disk, install, data).seeded);
    EXPECT_FALSE(std::filesystem::exists(data / "Profile/Profile3.cfg"));
}

// What a later start does with a settings file, after a seeding that did not finish (as an
// older build left it: empty files) or in a folder the user keeps.
TEST_F(SeedDataDirTest, OnlyAnUnfinishedSeedingWritesMissingAndEmptyFilesAgain)
{
    enum class State { Missing, Empty, Own };
    struct Case {
        bool unfinished;
        State state;
        bool seeded;
    };
    const Case cases[] = {
        {true, State::Missing, true},   {true, State::Empty, true},   {true, State::Own, false},
        {false, State::Missing, false}, {false, State::Empty, false}, {false, State::Own, false},
    };
    const std::filesystem::path file = data / "Profile/Profile2.cfg";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.unfinished << " " << static_cast<int>(c.state));
        std::filesystem::remove_all(data);
        ASSERT_TRUE(SeedDataDir(fs, install, data).failures.empty());
        if (c.unfinished) {
            WriteText(data / kSeedUnfinishedMarker, "");
        }
        if (c.state == State::Missing) {
            std::filesystem::remove(file);
        } else {
            WriteText(file, c.state == State::Empty ? "" : "mine");
        }
        const std::vector<uint8_t> before =
            std::filesystem::exists(file) ? ReadAll(file) : std::vector<uint8_t>{};
        SeedDataDir(fs, install, data);
        if (c.seeded) {
            EXPECT_EQ(ReadAll(file), ReadAll(install / "Profile/Profile2.cfg"));
        } else {
            EXPECT_EQ(std::filesystem::exists(file), c.state != State::Missing);
            if (c.state != State::Missing) {
                EXPECT_EQ(ReadAll(file), before);
            }
        }
        EXPECT_FALSE(std::filesystem::exists(data / kSeedUnfinishedMarker))
            << "a seeding that finished is not resumed again";
    }
}

TEST(SeedFailureText, NamesTheFolderEachFileAndWhy)
{
    const SeedOutcome outcome{true,
                              {{"Macro.cfg", FileError::Other},
                               {"Profile/Profile4.cfg", FileError::AccessDenied},
                               {"Sts.cfg", FileError::NotRegular},
                               {"Language.cfg", FileError::Unreadable}}};
    const std::string english = Utf16ToUtf8(SeedFailureText(outcome, "/home/u/QX71", false));
    for (const char* part :
         {"The settings folder /home/u/QX71 could not be filled",
          "Macro.cfg (write error, the disk may be full)", "Profile/Profile4.cfg (access denied)",
          "Sts.cfg (a folder, a pipe or a device is in its place)",
          "Language.cfg (the installed copy cannot be read)", "writes them at the next start"}) {
        EXPECT_NE(english.find(part), std::string::npos) << part << " in " << english;
    }
    const std::string chinese = Utf16ToUtf8(SeedFailureText(outcome, "/home/u/QX71", true));
    EXPECT_NE(chinese.find("/home/u/QX71"), std::string::npos);
    EXPECT_NE(chinese.find("Profile/Profile4.cfg（拒绝访问）"), std::string::npos) << chinese;
}

} // namespace
} // namespace qx71
