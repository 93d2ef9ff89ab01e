#include "platform/linux/HidrawNodeAccess.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

namespace qx71 {
namespace {

using test::TempDir;

TEST(HidrawNodeAccess, ErrnoMeanings)
{
    const struct {
        int error;
        NodeAccess access;
    } cases[] = {
        {EACCES, NodeAccess::PermissionDenied},
        {EPERM, NodeAccess::PermissionDenied},
        {EBUSY, NodeAccess::Busy},
        {ENOENT, NodeAccess::Missing},
        {ENODEV, NodeAccess::Missing},
        {ENXIO, NodeAccess::Missing},
        {EIO, NodeAccess::Failed},
        {EISDIR, NodeAccess::Failed},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NodeAccessFromErrno(c.error), c.access) << c.error;
    }
}

TEST(HidrawNodeAccess, OpensRealFilesForReadingAndWriting)
{
    TempDir tmp;
    test::WriteText(tmp / "node", "");
    HidrawNodeAccess nodes;
    EXPECT_EQ(nodes.CheckReadWrite((tmp / "node").string()), NodeAccess::ReadWrite);
    EXPECT_EQ(nodes.CheckReadWrite((tmp / "gone").string()), NodeAccess::Missing);
    EXPECT_EQ(nodes.CheckReadWrite(tmp.path().string()), NodeAccess::Failed);
    std::filesystem::permissions(tmp / "node", std::filesystem::perms::owner_read);
    if (::geteuid() != 0) { // root opens it whatever its mode
        EXPECT_EQ(nodes.CheckReadWrite((tmp / "node").string()), NodeAccess::PermissionDenied);
    }
}

} // namespace
} // namespace qx71
