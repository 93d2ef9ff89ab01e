#include "platform/windows/WinHostLauncher.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <thread>

namespace qx71 {
namespace {

using test::TempDir;

// Generous: the wait ends as soon as the started program has left its mark.
constexpr auto kStartTimeout = std::chrono::seconds(30);
constexpr auto kPollStep = std::chrono::milliseconds(50);

bool AppearsWithin(const std::filesystem::path& file)
{
    const auto end = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < end) {
        if (std::filesystem::exists(file)) {
            return true;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return std::filesystem::exists(file);
}

TEST(WinHostLauncher, StartsAProgramWhosePathHasSpaces)
{
    TempDir dir;
    const std::filesystem::path folder = dir / "My Programs";
    std::filesystem::create_directory(folder);
    const std::filesystem::path program = folder / "started program.exe";
    std::filesystem::copy_file(QX71_STARTED_PROGRAM, program);
    WinHostLauncher launcher;
    // Handed to the shell unchanged, spaces and all.
    ASSERT_TRUE(launcher.StartProgram(program.u16string()));
    EXPECT_TRUE(AppearsWithin(folder / "started.txt"));
}

TEST(WinHostLauncher, OpensAFileWhosePathHasSpacesInQuotes)
{
    TempDir dir;
    const std::filesystem::path folder = dir / "My Files";
    std::filesystem::create_directory(folder);
    const std::filesystem::path program = folder / "started program.exe";
    std::filesystem::copy_file(QX71_STARTED_PROGRAM, program);
    WinHostLauncher launcher;
    // The shell's "open" of a program file runs it: the quoted path reached the shell whole.
    ASSERT_TRUE(launcher.OpenFile(program.u16string()));
    EXPECT_TRUE(AppearsWithin(folder / "started.txt"));
}

TEST(WinHostLauncher, AMissingProgramOrFolderIsReported)
{
    TempDir dir;
    WinHostLauncher launcher;
    EXPECT_FALSE(launcher.StartProgram((dir / "absent program.exe").u16string()));
    EXPECT_FALSE(launcher.OpenFolder((dir / "absent folder").u16string()));
}

} // namespace
} // namespace qx71
