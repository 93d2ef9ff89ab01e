#include "platform/windows/WinFolderLock.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::TempDir;

TEST(WinFolderLock, OneHolderAtATime)
{
    TempDir tmp;
    WinFolderLock first(tmp.path());
    WinFolderLock second(tmp.path());
    ASSERT_TRUE(first.TryLock());
    EXPECT_TRUE(first.TryLock());
    EXPECT_FALSE(second.TryLock());
    EXPECT_FALSE(second.LockWithin(std::chrono::milliseconds(120)));
    // The same folder by another spelling is the same lock.
    WinFolderLock spelled(tmp.path().wstring() + L"\\.\\");
    EXPECT_FALSE(spelled.TryLock());

    first.Unlock();
    EXPECT_TRUE(second.TryLock());
    second.Unlock();
    {
        WinFolderLock scoped(tmp.path());
        ASSERT_TRUE(scoped.TryLock());
    }
    EXPECT_TRUE(first.TryLock());

    WinFolderLock missing(tmp / "no-such-folder");
    EXPECT_FALSE(missing.TryLock());
}

} // namespace
} // namespace qx71
