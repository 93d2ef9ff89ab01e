#include "platform/linux/PosixFolderLock.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace qx71 {
namespace {

using test::TempDir;

TEST(PosixFolderLock, OneHolderAtATimeAndTheLockEndsWithItsHolder)
{
    TempDir tmp;
    PosixFolderLock first(tmp.path());
    PosixFolderLock second(tmp.path());
    ASSERT_TRUE(first.TryLock());
    EXPECT_TRUE(first.TryLock());
    EXPECT_FALSE(second.TryLock());
    EXPECT_FALSE(second.LockWithin(std::chrono::milliseconds(120)));

    // Another process sees it held too.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PosixFolderLock inChild(tmp.path());
        ::_exit(inChild.TryLock() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    first.Unlock();
    EXPECT_TRUE(second.TryLock());
    second.Unlock();
    {
        PosixFolderLock scoped(tmp.path());
        ASSERT_TRUE(scoped.TryLock());
    }
    EXPECT_TRUE(first.TryLock());

    PosixFolderLock missing(tmp / "no-such-folder");
    EXPECT_FALSE(missing.TryLock());
}

} // namespace
} // namespace qx71
