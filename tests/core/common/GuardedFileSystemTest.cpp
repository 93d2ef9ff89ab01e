#include "core/common/GuardedFileSystem.h"

#include "core/common/Utf.h"
#include "support/FaultyFileSystem.h"
#include "support/RecordingMessageSink.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

TEST(GuardedFileSystem, AFileThatCannotBeReadIsToldOnceAndNeverWrittenOver)
{
    struct Case {
        const char* what;
        FileError readError;
        bool guarded; // saves refused afterwards
        size_t toldAtRead;
    };
    const Case cases[] = {
        {"denied", FileError::AccessDenied, true, 1},
        {"pipe or folder", FileError::NotRegular, true, 1},
        {"I/O error", FileError::Other, true, 1},
        {"missing: defaults may be written", FileError::NotFound, false, 0},
        {"folder missing", FileError::FolderMissing, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir tmp;
        const auto file = tmp / "Sts.cfg";
        const auto other = tmp / "other.cfg";
        WriteAll(file, std::vector<uint8_t>{1, 2, 3});
        test::FaultyFileSystem inner;
        inner.readFaults[file] = c.readError;
        inner.readFaults[other] = c.readError;
        test::RecordingMessageSink sink;
        GuardedFileSystem fs(inner, sink, {tmp / "." / "Sts.cfg"});

        EXPECT_EQ(fs.ReadFile(file, 24).error, c.readError);
        EXPECT_EQ(fs.ReadFile(file, 24).error, c.readError);
        ASSERT_EQ(sink.shown.size(), c.toldAtRead);
        // Files the guard does not watch are passed through untouched.
        EXPECT_EQ(fs.ReadFile(other, 24).error, c.readError);
        EXPECT_EQ(sink.shown.size(), c.toldAtRead);
        EXPECT_EQ(fs.WriteFileAtomic(other, std::vector<uint8_t>{9}), FileError::None);

        const FileError saved = fs.WriteFileAtomic(file, std::vector<uint8_t>{0, 0});
        EXPECT_EQ(fs.Refuses(file), c.guarded);
        if (!c.guarded) {
            EXPECT_EQ(saved, FileError::None);
            continue;
        }
        EXPECT_EQ(saved, FileError::Unreadable);
        EXPECT_EQ(ReadAll(file), (std::vector<uint8_t>{1, 2, 3}));
        ASSERT_EQ(sink.shown.size(), 2u);
        EXPECT_EQ(sink.shown[1].text, sink.shown[0].text);
        EXPECT_EQ(sink.shown[0].caption, u"Info");
        EXPECT_NE(Utf16ToUtf8(sink.shown[0].text).find(file.string()), std::string::npos);

        // Readable again, and read: what memory holds now came from the file.
        inner.readFaults.clear();
        EXPECT_TRUE(fs.ReadFile(file, 24).ok());
        EXPECT_FALSE(fs.Refuses(file));
        EXPECT_EQ(fs.WriteFileAtomic(file, std::vector<uint8_t>{4}), FileError::None);
        EXPECT_EQ(ReadAll(file), (std::vector<uint8_t>{4}));
    }
}

TEST(GuardedFileSystem, TheMessageNamesTheFileAndTheReasonInBothLanguages)
{
    EXPECT_EQ(Utf16ToUtf8(UnreadableFileText("/d/Sts.cfg", FileError::AccessDenied, false)),
              "/d/Sts.cfg cannot be read (access denied). The program goes on with default "
              "settings and will not save over this file until it can be read.");
    EXPECT_EQ(
        UnreadableFileText("/d/Sts.cfg", FileError::Other, true),
        u"无法读取 /d/Sts.cfg（读取错误）。程序使用默认设置，在该文件可以读取之前不会覆盖它。");
}

} // namespace
} // namespace qx71
