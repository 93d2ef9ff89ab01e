#include "core/focus/FocusRuleStore.h"

#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace qx71 {
namespace {

using test::TempDir;

std::string ReadText(const std::filesystem::path& path)
{
    const std::vector<uint8_t> bytes = test::ReadAll(path);
    return {bytes.begin(), bytes.end()};
}

class FocusRuleStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    test::FaultyFileSystem files;
    FocusRuleStore store{files, dir.path()};
};

TEST_F(FocusRuleStoreTest, AMissingFileIsNoRules)
{
    EXPECT_EQ(store.Load(), RulesResult::Done);
    EXPECT_TRUE(store.Rules().empty());
}

TEST_F(FocusRuleStoreTest, AddReplacesTheProfileOfAProgramInItsPlace)
{
    ASSERT_EQ(store.Add({RuleMatch::Class, "XTerm", 2}), RulesResult::Done);
    ASSERT_EQ(store.Add({RuleMatch::Executable, "sauer_client", 4}), RulesResult::Done);
    ASSERT_EQ(store.Add({RuleMatch::Class, "xterm", 5}), RulesResult::Done);

    FocusRuleStore reread(files, dir.path());
    ASSERT_EQ(reread.Load(), RulesResult::Done);
    EXPECT_EQ(reread.Rules(), (FocusRules{{RuleMatch::Class, "xterm", 5},
                                          {RuleMatch::Executable, "sauer_client", 4}}));
}

TEST_F(FocusRuleStoreTest, RemoveTakesEveryRuleOfTheProgramAndRefusesAnUnknownOne)
{
    ASSERT_EQ(store.Add({RuleMatch::Class, "XTerm", 2}), RulesResult::Done);
    ASSERT_EQ(store.Add({RuleMatch::Executable, "XTerm", 3}), RulesResult::Done);
    ASSERT_EQ(store.Add({RuleMatch::Class, "Firefox", 1}), RulesResult::Done);

    EXPECT_EQ(store.Remove("Gimp"), RulesResult::UnknownProgram);
    EXPECT_EQ(store.Remove("XTerm"), RulesResult::Done);
    EXPECT_EQ(store.Rules(), (FocusRules{{RuleMatch::Class, "Firefox", 1}}));
}

TEST_F(FocusRuleStoreTest, EditsSeeWhatAnotherProgramSavedMeanwhile)
{
    FocusRuleStore other(files, dir.path());
    ASSERT_EQ(store.Add({RuleMatch::Class, "XTerm", 2}), RulesResult::Done);
    ASSERT_EQ(other.Add({RuleMatch::Class, "Firefox", 1}), RulesResult::Done);
    ASSERT_EQ(store.Add({RuleMatch::Class, "Gimp", 3}), RulesResult::Done);
    EXPECT_EQ(store.Rules().size(), 3u);
}

TEST_F(FocusRuleStoreTest, RefusesABadProfileOrProgramWithoutWriting)
{
    EXPECT_EQ(store.Add({RuleMatch::Class, "XTerm", 0}), RulesResult::InvalidProfile);
    EXPECT_EQ(store.Add({RuleMatch::Class, "XTerm", 6}), RulesResult::InvalidProfile);
    EXPECT_EQ(store.Add({RuleMatch::Class, "", 2}), RulesResult::InvalidProgram);
    EXPECT_EQ(files.writes, 0);
}

TEST_F(FocusRuleStoreTest, NeverOverwritesAFileThatIsNotRules)
{
    const std::string mine = "class\tXTerm\t2\nthis line is the user's own\n";
    test::WriteText(store.Path(), mine);
    EXPECT_EQ(store.Load(), RulesResult::Damaged);
    EXPECT_EQ(store.BadLine(), 2u);
    EXPECT_EQ(store.Add({RuleMatch::Class, "Firefox", 1}), RulesResult::Damaged);
    EXPECT_EQ(store.Remove("XTerm"), RulesResult::Damaged);
    EXPECT_EQ(ReadText(store.Path()), mine);
}

TEST_F(FocusRuleStoreTest, AFailedWriteKeepsTheRulesBeforeIt)
{
    ASSERT_EQ(store.Add({RuleMatch::Class, "XTerm", 2}), RulesResult::Done);
    const std::string before = ReadText(store.Path());
    files.writeError = FileError::Other;
    EXPECT_EQ(store.Add({RuleMatch::Class, "Firefox", 1}), RulesResult::NotSaved);
    EXPECT_EQ(store.Rules(), (FocusRules{{RuleMatch::Class, "XTerm", 2}}));
    EXPECT_EQ(ReadText(store.Path()), before);
}

} // namespace
} // namespace qx71
