#include "platform/windows/WinSingleInstance.h"

#include <gtest/gtest.h>

#include <memory>

namespace qx71 {
namespace {

TEST(WinSingleInstance, OnlyTheFirstHolderOfTheMutexIsFirst)
{
    auto first = std::make_unique<WinSingleInstance>();
    ASSERT_TRUE(first->First());
    {
        const WinSingleInstance second;
        EXPECT_FALSE(second.First());
        // No window of the first copy exists here: nothing to show.
        EXPECT_FALSE(WinSingleInstance::ShowRunningCopy());
    }
    first.reset();
    const WinSingleInstance again;
    EXPECT_TRUE(again.First());
}

} // namespace
} // namespace qx71
