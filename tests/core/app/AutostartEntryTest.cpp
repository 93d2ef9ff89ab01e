#include "core/app/AutostartEntry.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(AutostartEntry, TheProgramIsStartedHiddenFromTheUsersAutostartFolder)
{
    EXPECT_EQ(AutostartPath("/home/u/.config"), "/home/u/.config/autostart/qx71.desktop");
    const std::string text = AutostartEntryText("/usr/lib/qx71/qx71");
    EXPECT_NE(text.find("\nExec=/usr/lib/qx71/qx71 --hidden\n"), std::string::npos) << text;
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
}

TEST(AutostartEntry, ExecArgumentsAreQuotedAsTheDesktopEntryRulesSay)
{
    const struct {
        const char* argument;
        const char* exec;
    } cases[] = {
        {"/opt/qx71/qx71", "/opt/qx71/qx71"},           {"/home/a b/qx71", "\"/home/a b/qx71\""},
        {"/home/$x/qx71", "\"/home/\\\\$x/qx71\""},     {"/home/50%/qx71", "/home/50%%/qx71"},
        {"/home/a\"b/qx71", "\"/home/a\\\\\"b/qx71\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuoteExecArgument(c.argument), c.exec) << c.argument;
    }
}

} // namespace
} // namespace qx71
