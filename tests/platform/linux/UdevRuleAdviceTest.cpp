#include "platform/linux/UdevRuleAdvice.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::TempDir;
using test::WriteText;

const std::string kReload =
    "sudo udevadm control --reload-rules && sudo udevadm trigger --subsystem-match=hidraw";

// A fake root with the program installed under opt/qx71 (InstallDir opt/qx71/lib/qx71).
class UdevRuleAdviceTest : public ::testing::Test {
protected:
    std::filesystem::path InstallDir() const { return root / "opt/qx71/lib/qx71"; }
    std::filesystem::path Shipped() const
    {
        return root / "opt/qx71/lib/udev/rules.d/70-qx71.rules";
    }
    TempDir root;
};

TEST_F(UdevRuleAdviceTest, AnInstalledRuleOnlyNeedsAReload)
{
    WriteText(root / "usr/lib/udev/rules.d/70-qx71.rules", "x");
    WriteText(Shipped(), "x");
    const UdevRuleAdvice advice = AdviseUdevRule(InstallDir(), root.path());
    EXPECT_EQ(advice.activeRule, root / "usr/lib/udev/rules.d/70-qx71.rules");
    EXPECT_EQ(advice.shippedRule, Shipped());
    EXPECT_EQ(advice.fixCommand, kReload);
}

TEST_F(UdevRuleAdviceTest, TheAdministratorsFolderComesFirst)
{
    WriteText(root / "lib/udev/rules.d/70-qx71.rules", "x");
    WriteText(root / "etc/udev/rules.d/70-qx71.rules", "x");
    EXPECT_EQ(AdviseUdevRule(InstallDir(), root.path()).activeRule,
              root / "etc/udev/rules.d/70-qx71.rules");
}

TEST_F(UdevRuleAdviceTest, ARuleOnlyBesideTheProgramIsInstalledThenReloaded)
{
    WriteText(Shipped(), "x");
    // A folder udev does not read, and a folder in place of the file, do not count.
    WriteText(root / "opt/udev/rules.d/70-qx71.rules", "x");
    std::filesystem::create_directories(root / "etc/udev/rules.d/70-qx71.rules");
    const UdevRuleAdvice advice = AdviseUdevRule(InstallDir(), root.path());
    EXPECT_FALSE(advice.activeRule);
    EXPECT_EQ(advice.fixCommand,
              "sudo install -m 644 '" + Shipped().string() + "' /etc/udev/rules.d/ && " + kReload);
}

TEST_F(UdevRuleAdviceTest, NoRuleAnywhereGivesNoCommand)
{
    const UdevRuleAdvice advice = AdviseUdevRule(InstallDir(), root.path());
    EXPECT_FALSE(advice.activeRule);
    EXPECT_FALSE(advice.shippedRule);
    EXPECT_EQ(advice.fixCommand, "");
}

TEST(ShellQuote, QuotesEveryPathSafely)
{
    EXPECT_EQ(ShellQuote("/opt/my qx71/x"), "'/opt/my qx71/x'");
    EXPECT_EQ(ShellQuote("/o'b/$HOME`x`"), "'/o'\\''b/$HOME`x`'");
}

} // namespace
} // namespace qx71
