#include "platform/windows/WinDirectories.h"

#include "core/app/StartupDirs.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace qx71 {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const wchar_t* value) : name_(name)
    {
        wchar_t old[4096];
        const DWORD units = ::GetEnvironmentVariableW(name, old, 4096);
        if (units > 0 && units < 4096) {
            old_ = std::wstring(old, units);
        }
        ::SetEnvironmentVariableW(name, value);
    }
    ~ScopedEnvironment() { ::SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }

private:
    const wchar_t* name_;
    std::optional<std::wstring> old_;
};

TEST(WinDirectories, DataDirIsTheTempFolderFollowedByTolviQx71)
{
    const ScopedEnvironment unset(L"QX71_DATA_DIR", nullptr);
    wchar_t temp[MAX_PATH + 1];
    const DWORD units = ::GetTempPathW(MAX_PATH + 1, temp);
    ASSERT_GT(units, 0u);
    ASSERT_EQ(temp[units - 1], L'\\');
    EXPECT_EQ(WindowsDataDir().native(), std::wstring(temp, units) + L"TOLVI\\QX71");
}

TEST(WinDirectories, Qx71DataDirOverridesUnlessEmpty)
{
    {
        const ScopedEnvironment set(L"QX71_DATA_DIR", L"C:\\Users\\\u00e9\\qx71 data");
        EXPECT_EQ(WindowsDataDir().native(), L"C:\\Users\\\u00e9\\qx71 data");
    }
    const ScopedEnvironment empty(L"QX71_DATA_DIR", L"");
    EXPECT_NE(WindowsDataDir().native().find(L"TOLVI\\QX71"), std::wstring::npos);
}

TEST(WinDirectories, InstallDirIsTheFolderOfTheRunningProgram)
{
    const std::filesystem::path exe = ExecutablePath();
    EXPECT_EQ(exe.filename(), L"test_platform_windows.exe");
    EXPECT_TRUE(std::filesystem::exists(exe));
    const std::filesystem::path installDir = FormInstallDir(exe);
    EXPECT_EQ(installDir, exe.parent_path());
    EXPECT_NE(installDir.native().back(), L'\\');
}

TEST(WinDirectories, ScratchFoldersAreNewAndWritable)
{
    const std::filesystem::path a = MakeScratchFolder();
    const std::filesystem::path b = MakeScratchFolder();
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    EXPECT_NE(a, b);
    EXPECT_TRUE(CanWriteUnder(a / "FWUpdate" / "new_version"));
    std::filesystem::remove_all(a);
    std::filesystem::remove_all(b);
}

} // namespace
} // namespace qx71
