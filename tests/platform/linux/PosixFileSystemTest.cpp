#include "platform/linux/PosixFileSystem.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::ReadAll;
using test::TempDir;

TEST(PosixFileSystem, AtomicWriteReplacesTheWholeFile)
{
    TempDir tmp;
    PosixFileSystem fs;
    const std::vector<uint8_t> first(300000, 0xAA);
    const std::vector<uint8_t> second(10, 0x55);
    ASSERT_EQ(fs.WriteFileAtomic(tmp / "f.cfg", first), FileError::None);
    ASSERT_EQ(fs.WriteFileAtomic(tmp / "f.cfg", second), FileError::None);
    EXPECT_EQ(ReadAll(tmp / "f.cfg"), second);
    // Only the file itself remains: no temporary left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()), {}), 1);
}

TEST(PosixFileSystem, WriteFailingHalfwayLeavesTheOldFileIntact)
{
    TempDir tmp;
    PosixFileSystem fs;
    const std::vector<uint8_t> old(200000, 0x11);
    ASSERT_EQ(fs.WriteFileAtomic(tmp / "f.cfg", old), FileError::None);

    fs.SetWriteFault([](size_t written) { return written < 100000; });
    EXPECT_EQ(fs.WriteFileAtomic(tmp / "f.cfg", std::vector<uint8_t>(200000, 0x22)),
              FileError::Other);
    EXPECT_EQ(ReadAll(tmp / "f.cfg"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()), {}), 1);
}

TEST(PosixFileSystem, ReadReportsWhyItFailedAndStopsAtTheLimit)
{
    TempDir tmp;
    PosixFileSystem fs;
    EXPECT_EQ(fs.ReadFile(tmp / "missing.cfg", 10).error, FileError::NotFound);
    EXPECT_EQ(fs.ReadFile(tmp / "no/such/folder/x.cfg", 10).error, FileError::FolderMissing);
    EXPECT_EQ(fs.WriteFileAtomic(tmp / "no/such/folder/x.cfg", std::vector<uint8_t>(1)),
              FileError::FolderMissing);
    // A file standing where a folder should be.
    ASSERT_EQ(fs.WriteFileAtomic(tmp / "plain", std::vector<uint8_t>(1)), FileError::None);
    EXPECT_EQ(fs.ReadFile(tmp / "plain/x.cfg", 10).error, FileError::FolderMissing);

    ASSERT_EQ(fs.WriteFileAtomic(tmp / "f", std::vector<uint8_t>{1, 2, 3, 4, 5}), FileError::None);
    EXPECT_EQ(fs.ReadFile(tmp / "f", 3).bytes, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(fs.ReadFile(tmp / "f", 100).bytes.size(), 5u);
}

} // namespace
} // namespace qx71
