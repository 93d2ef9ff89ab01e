#include "core/config/ProfileDefaults.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace qx71 {
namespace {

using test::ReadAll;
using test::RunResult;
using test::TempDir;
using test::WriteAll;

RunResult RunCtl(const TempDir& tmp, const std::string& args)
{
    // Commands that apply a profile set the X pointer: never on the real display.
    return test::RunProgram(
        "env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CURRENT_DESKTOP -u XDG_SESSION_TYPE " + std::string(QX71CTL_PATH) + " " + args, tmp.path());
}

std::vector<uint8_t> DefaultBytes()
{
    const ProfileBytes b = ProfileToBytes(DefaultProfile(false));
    return {b.begin(), b.end()};
}

class ProfileCli : public ::testing::Test {
protected:
    std::string DataArg() const { return "--data-dir '" + data.string() + "'"; }
    TempDir tmp;
    std::filesystem::path data = tmp / "D";
};

TEST_F(ProfileCli, ExportOnAFreshDataDirWritesTheEnglishDefaultRecord)
{
    const std::filesystem::path file = tmp / "f.cfg";
    const RunResult r = RunCtl(tmp, DataArg() + " profile export '" + file.string() + "'");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadAll(file), DefaultBytes());
    EXPECT_EQ(r.err, file.string() + " export success!\n");
    // The first run seeded DataDir from InstallDir.
    EXPECT_EQ(ReadAll(data / "Macro.cfg").size(), 2052000u);
    EXPECT_EQ(ReadAll(data / "Profile" / "ConfigInfo.cfg").size(), kProfileDirectorySize);
}

TEST_F(ProfileCli, ListAndShowUseTheProfileFieldNames)
{
    RunResult r = RunCtl(tmp, DataArg() + " --json profile list");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto list = nlohmann::json::parse(r.out);
    EXPECT_EQ(list["currentSlot"], 1);
    ASSERT_EQ(list["slots"].size(), 5u);
    for (size_t n = 0; n < 5; ++n) {
        EXPECT_EQ(list["slots"][n]["valid"], true);
        EXPECT_EQ(list["slots"][n]["active"], n == 0);
        EXPECT_EQ(list["slots"][n]["path"],
                  (data / "Profile" / ("Profile" + std::to_string(n + 1) + ".cfg")).string());
    }

    r = RunCtl(tmp, DataArg() + " --json profile show 4");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto show = nlohmann::json::parse(r.out);
    EXPECT_EQ(show["slot"], 4);
    const int32_t functions[] = {1, 4, 2, 8, 16, 11, 22};
    const char* names[] = {"Click", "Middle",    "Menu",       "Forward",
                           "Back",  "Scroll up", "Scroll down"};
    ASSERT_EQ(show["buttons"].size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        const auto& b = show["buttons"][i];
        EXPECT_EQ(b["function"], functions[i]);
        EXPECT_EQ(b["displayName"], names[i]);
        for (const char* zero : {"macroId", "hostKind", "keyCode", "hostValue"}) {
            EXPECT_EQ(b[zero], 0) << zero;
        }
        EXPECT_EQ(b["hostPath"], "");
    }
    EXPECT_EQ(show["dpiStages"], (nlohmann::json{1000, 2000, 3000, 0, 0, 0, 0, 0}));
    const std::pair<const char*, int64_t> fields[] = {
        {"sheightLevel", 15},  {"reportRate", 1},     {"ledMode", 4},          {"ledColor", 0xFF},
        {"ledCustomColor", 1}, {"ledPresetIndex", 0}, {"pointerPrecision", 0}, {"pointerSpeed", 10},
        {"ledBrightness", 5},  {"ledBreathSpeed", 3}, {"wheelLines", 3},
    };
    for (const auto& [field, value] : fields) {
        EXPECT_EQ(show[field], value) << field;
    }
}

TEST_F(ProfileCli, BadFilesGiveTheMessageAndANonZeroExit)
{
    ASSERT_EQ(RunCtl(tmp, DataArg() + " profile list").exitCode, 0);
    const std::filesystem::path profile3 = data / "Profile" / "Profile3.cfg";
    const std::filesystem::path config = data / "Profile" / "ConfigInfo.cfg";
    struct Case {
        const char* name;
        std::function<void()> damage;
        std::string args;
        std::string message;
    };
    const Case cases[] = {
        {"short foreign profile",
         [&] {
             WriteAll(profile3, std::vector<uint8_t>{1, 2});
         },
         "profile show 3", profile3.string() + " is an invaild Profile!"},
        {"corrupt profile", [&] { WriteAll(profile3, std::vector<uint8_t>(22156, 0xFF)); },
         "profile show 3", profile3.string() + " is an invaild Profile!"},
        {"missing directory", [&] { std::filesystem::remove(config); }, "profile list",
         "Failed to open file, check whether there is a " + config.string() + " path?"},
        {"export into a missing folder", [] {},
         "profile export '" + (tmp / "no/x.cfg").string() + "'",
         (tmp / "no/x.cfg").string() + " export failed!"},
        {"no such profile", [] {}, "profile show 9", "not in range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.damage();
        const RunResult r = RunCtl(tmp, DataArg() + " " + c.args);
        EXPECT_NE(r.exitCode, 0);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

} // namespace
} // namespace qx71
