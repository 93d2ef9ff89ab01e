#include "core/app/SeedFiles.h"

#include "core/app/StartupDirs.h"
#include "core/config/ProfileDefaults.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace qx71 {
namespace {

TEST(SeedFiles, EveryCopiedFileAndTheInstallerLanguage)
{
    std::map<std::string, std::vector<uint8_t>> files;
    for (const SeedFile& f : BuildSeedFiles()) {
        EXPECT_TRUE(files.emplace(f.relativePath.generic_string(), f.bytes).second);
    }
    for (const char* copied : kSeedFiles) {
        EXPECT_TRUE(files.contains(copied)) << copied;
    }
    ASSERT_EQ(files.size(), std::size(kSeedFiles) + 1);

    EXPECT_EQ(files["Macro.cfg"], std::vector<uint8_t>(2052000, 0));
    EXPECT_EQ(files["Language.cfg"], (std::vector<uint8_t>{2, 0, 0, 0}));
    EXPECT_EQ(files["Sts.cfg"], std::vector<uint8_t>(24, 0));
    const std::string ini(files["skins/languagetype.ini"].begin(),
                          files["skins/languagetype.ini"].end());
    EXPECT_EQ(ini, "[languagetype]\nvalue=0\n");

    const ProfileDirectory directory = DirectoryFromBytes(files["Profile/ConfigInfo.cfg"]);
    EXPECT_EQ(files["Profile/ConfigInfo.cfg"].size(), kProfileDirectorySize);
    for (size_t n = 0; n < kProfileSlots; ++n) {
        EXPECT_EQ(directory.slots[n].slotMagic, kSlotMagic);
        EXPECT_EQ(directory.slots[n].active, n == 0 ? 1 : 0);
        const ProfileBytes english = ProfileToBytes(DefaultProfile(false));
        EXPECT_EQ(files["Profile/Profile" + std::to_string(n + 1) + ".cfg"],
                  std::vector<uint8_t>(english.begin(), english.end()));
    }
}

} // namespace
} // namespace qx71
