#include "platform/windows/WinFileSystem.h"
#include "platform/windows/WinStaleTempFiles.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>

namespace qx71 {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

const std::array<uint8_t, 4> kOld{1, 2, 3, 4};
const std::array<uint8_t, 6> kNew{9, 8, 7, 6, 5, 4};

TEST(WinFileSystem, AtomicWriteReplacesAFileWithAWideName)
{
    TempDir dir;
    // Latin, Cyrillic and CJK: none of it fits one ANSI code page.
    const std::filesystem::path file = dir.path() / L"Profil \u00e9 \u0416 \u4e2d.cfg";
    WinFileSystem fs;
    ASSERT_EQ(fs.WriteFileAtomic(file, kOld), FileError::None);
    ASSERT_EQ(fs.WriteFileAtomic(file, kNew), FileError::None);
    const FileReadResult read = fs.ReadFile(file, 100);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.bytes, std::vector<uint8_t>(kNew.begin(), kNew.end()));
    EXPECT_EQ(fs.ReadFile(file, 2).bytes, std::vector<uint8_t>({9, 8}));
    // Nothing but the file is left in the folder.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST(WinFileSystem, AFailedWriteLeavesThePreviousFile)
{
    TempDir dir;
    const std::filesystem::path file = dir / "Macro.cfg";
    WriteAll(file, kOld);
    WinFileSystem fs;
    fs.SetWriteFault([](size_t written) { return written == 0; });
    std::vector<uint8_t> big(200 * 1024, 0x5A);
    EXPECT_EQ(fs.WriteFileAtomic(file, big), FileError::Other);
    EXPECT_EQ(ReadAll(file), std::vector<uint8_t>(kOld.begin(), kOld.end()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(WinFileSystem, ErrorsTellMissingFileFolderAndAFolderOrDeviceInTheWay)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.cfg");
    WinFileSystem fs;
    const struct {
        std::filesystem::path path;
        FileError read;
        FileError write;
    } cases[] = {
        {dir / "absent.cfg", FileError::NotFound, FileError::None},
        {dir / "no-folder" / "x.cfg", FileError::FolderMissing, FileError::FolderMissing},
        {dir / "folder.cfg", FileError::NotRegular, FileError::NotRegular},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fs.ReadFile(c.path, 10).error, c.read) << c.path;
        EXPECT_EQ(fs.WriteFileAtomic(c.path, kOld), c.write) << c.path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.cfg"));
    // A device opens, but is not read.
    EXPECT_EQ(fs.ReadFile(L"\\\\.\\NUL", 10).error, FileError::NotRegular);
}

TEST(WinFileSystem, ARefusedFileIsAccessDenied)
{
    TempDir dir;
    const std::filesystem::path file = dir / "Sts.cfg";
    WriteAll(file, kOld);
    // Another program holds the file open without sharing it.
    HANDLE held = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    WinFileSystem fs;
    EXPECT_FALSE(fs.ReadFile(file, 10).ok());
    EXPECT_NE(fs.WriteFileAtomic(file, kNew), FileError::None);
    ::CloseHandle(held);
    EXPECT_EQ(ReadAll(file), std::vector<uint8_t>(kOld.begin(), kOld.end()));
}

TEST(WinFileSystem, FoldersAreMadeWithParentsAndRemovingAnAbsentFileIsNoError)
{
    TempDir dir;
    WinFileSystem fs;
    const std::filesystem::path deep = dir.path() / L"TOLVI" / L"QX71" / L"Profile";
    ASSERT_TRUE(fs.CreateDirectories(deep));
    EXPECT_TRUE(fs.IsDirectory(deep));
    WriteAll(deep / "gone.cfg", kOld);
    EXPECT_TRUE(fs.Exists(deep / "gone.cfg"));
    EXPECT_EQ(fs.RemoveFile(deep / "gone.cfg"), FileError::None);
    EXPECT_FALSE(fs.Exists(deep / "gone.cfg"));
    EXPECT_EQ(fs.RemoveFile(deep / "gone.cfg"), FileError::None);
    EXPECT_EQ(fs.RemoveFile(dir / "no-folder" / "x.cfg"), FileError::None);
    EXPECT_EQ(fs.RemoveFile(deep), FileError::NotRegular);
    EXPECT_TRUE(fs.IsDirectory(deep));
}

TEST(WinStaleTempFiles, RemovesOnlyTempFilesOfEndedWriters)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "Profile");
    const std::string mine = std::to_string(::GetCurrentProcessId());
    WriteAll(dir / "Macro.cfg.tmp-12345", kOld);
    WriteAll(dir / "Profile" / "Profile2.cfg.tmp-777", kOld);
    WriteAll(dir / ("Sts.cfg.tmp-" + mine), kOld);
    WriteAll(dir / "Other.cfg.tmp-12345", kOld);
    const size_t removed = RemoveStaleTempFiles(
        dir.path(), [&](unsigned long pid) { return std::to_string(pid) == mine; });
    EXPECT_EQ(removed, 2u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Macro.cfg.tmp-12345"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Profile" / "Profile2.cfg.tmp-777"));
    EXPECT_TRUE(std::filesystem::exists(dir / ("Sts.cfg.tmp-" + mine)));
    EXPECT_TRUE(std::filesystem::exists(dir / "Other.cfg.tmp-12345"));
    EXPECT_TRUE(ProcessRunning(::GetCurrentProcessId()));
}

} // namespace
} // namespace qx71
