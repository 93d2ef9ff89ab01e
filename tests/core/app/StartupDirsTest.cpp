#include "core/app/StartupDirs.h"

#include "platform/linux/PosixFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

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
    PosixFileSystem fs;
};

TEST_F(SeedDataDirTest, FirstStartCreatesTheFoldersAndCopiesEveryFile)
{
    EXPECT_TRUE(SeedDataDir(fs, install, data));
    for (const char* f : kSeedFiles) {
        EXPECT_EQ(ReadAll(data / f), ReadAll(install / f)) << f;
    }
}

TEST_F(SeedDataDirTest, ExistingDataDirIsLeftAloneEvenWithFilesMissing)
{
    std::filesystem::create_directories(data / "Profile");
    WriteText(data / "Macro.cfg", "mine");
    EXPECT_FALSE(SeedDataDir(fs, install, data));
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
        EXPECT_TRUE(SeedDataDir(fs, install, data));
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
    EXPECT_TRUE(SeedDataDir(fs, install, data));
    EXPECT_TRUE(std::filesystem::is_directory(data / "Profile"));
    EXPECT_FALSE(std::filesystem::exists(data / "Sts.cfg"));
    EXPECT_TRUE(std::filesystem::exists(data / "Profile/Profile2.cfg"));
    EXPECT_TRUE(std::filesystem::exists(data / "Language.cfg"));
}

} // namespace
} // namespace qx71
