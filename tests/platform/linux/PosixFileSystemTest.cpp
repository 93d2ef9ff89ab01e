#include "platform/linux/PosixFileSystem.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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

// Whatever stands in place of a settings file that is not a file is refused at once: a pipe
// with no writer would otherwise hold the reader for ever.
TEST(PosixFileSystem, FolderPipeAndDeviceAreRefusedWithoutWaiting)
{
    TempDir tmp;
    PosixFileSystem fs;
    ASSERT_EQ(::mkfifo((tmp / "pipe.cfg").c_str(), 0644), 0);
    std::filesystem::create_directory(tmp / "folder.cfg");
    std::filesystem::create_symlink(tmp / "pipe.cfg", tmp / "link-to-pipe.cfg");
    for (const std::filesystem::path& path :
         {tmp / "pipe.cfg", tmp / "folder.cfg", tmp / "link-to-pipe.cfg",
          std::filesystem::path("/dev/null")}) {
        SCOPED_TRACE(path.string());
        EXPECT_EQ(fs.ReadFile(path, 10).error, FileError::NotRegular);
    }
    for (const std::filesystem::path& path :
         {tmp / "pipe.cfg", tmp / "folder.cfg", tmp / "link-to-pipe.cfg"}) {
        SCOPED_TRACE(path.string());
        EXPECT_EQ(fs.WriteFileAtomic(path, std::vector<uint8_t>(1)), FileError::NotRegular);
    }
    struct stat st {};
    ASSERT_EQ(::stat((tmp / "pipe.cfg").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(PosixFileSystem, SaveGoesThroughSymbolicLinksAndKeepsTheMode)
{
    TempDir tmp;
    PosixFileSystem fs;
    std::filesystem::create_directory(tmp / "real");
    ASSERT_EQ(fs.WriteFileAtomic(tmp / "real/f.cfg", std::vector<uint8_t>{1}), FileError::None);
    ASSERT_EQ(::chmod((tmp / "real/f.cfg").c_str(), 0600), 0);
    // A relative link, and a link to that link.
    std::filesystem::create_symlink("real/f.cfg", tmp / "link.cfg");
    std::filesystem::create_symlink(tmp / "link.cfg", tmp / "link2.cfg");

    ASSERT_EQ(fs.WriteFileAtomic(tmp / "link2.cfg", std::vector<uint8_t>{7, 8}), FileError::None);
    EXPECT_TRUE(std::filesystem::is_symlink(tmp / "link.cfg"));
    EXPECT_TRUE(std::filesystem::is_symlink(tmp / "link2.cfg"));
    EXPECT_EQ(ReadAll(tmp / "real/f.cfg"), (std::vector<uint8_t>{7, 8}));
    struct stat st {};
    ASSERT_EQ(::stat((tmp / "real/f.cfg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp / "real"), {}), 1);

    // A link whose target does not exist yet creates the target.
    std::filesystem::create_symlink("real/new.cfg", tmp / "dangling.cfg");
    ASSERT_EQ(fs.WriteFileAtomic(tmp / "dangling.cfg", std::vector<uint8_t>{3}), FileError::None);
    EXPECT_TRUE(std::filesystem::is_symlink(tmp / "dangling.cfg"));
    EXPECT_EQ(ReadAll(tmp / "real/new.cfg"), (std::vector<uint8_t>{3}));
}

} // namespace
} // namespace qx71
