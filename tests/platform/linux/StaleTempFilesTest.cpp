#include "platform/linux/StaleTempFiles.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <set>

namespace qx71 {
namespace {

using test::TempDir;
using test::WriteAll;

// Temp files of interrupted saves beside the settings files: those of a process that is gone
// are removed at the next start, those of a running one and every other file stay.
TEST(StaleTempFiles, OnlyTheTempFilesOfAGoneWriterAreRemoved)
{
    TempDir tmp;
    const auto data = tmp / "data";
    constexpr long kAlive = 4000002;
    const auto running = [](long pid) { return pid == kAlive; };
    const std::vector<std::string> files = {
        "Macro.cfg",
        "Macro.cfg.tmp-4000001",
        "Language.cfg.tmp-4000001",
        "Sts.cfg.tmp-4000002",      // its writer still runs
        "Macro.cfg.tmp-",           // no id
        "Macro.cfg.tmp-12x",        // not an id
        "Notes.txt.tmp-4000001",    // not a settings file
        "Profile1.cfg.tmp-4000001", // a profile's temp belongs in Profile/
        "Profile/Profile3.cfg.tmp-4000001",
        "Profile/ConfigInfo.cfg.tmp-4000001",
        "Profile/Profile3.cfg",
        "Profile/Macro.cfg.tmp-4000001", // Macro.cfg lives in DataDir itself
    };
    for (const auto& f : files) {
        WriteAll(data / f, std::vector<uint8_t>{1});
    }
    EXPECT_EQ(RemoveStaleTempFiles(data, running), 4u);
    std::set<std::string> left;
    for (const auto& f : files) {
        if (std::filesystem::exists(data / f)) {
            left.insert(f);
        }
    }
    EXPECT_EQ(left, (std::set<std::string>{"Macro.cfg", "Sts.cfg.tmp-4000002", "Macro.cfg.tmp-",
                                           "Macro.cfg.tmp-12x", "Notes.txt.tmp-4000001",
                                           "Profile1.cfg.tmp-4000001", "Profile/Profile3.cfg",
                                           "Profile/Macro.cfg.tmp-4000001"}));
    // A folder that is not there is no error.
    EXPECT_EQ(RemoveStaleTempFiles(tmp / "none", running), 0u);
}

TEST(StaleTempFiles, ThisProcessRunsAndAnUnusedIdDoesNot)
{
    EXPECT_TRUE(ProcessRunning(static_cast<long>(::getpid())));
    // Above the kernel's largest process id (4194304).
    EXPECT_FALSE(ProcessRunning(4194305 + 1000));
}

} // namespace
} // namespace qx71
