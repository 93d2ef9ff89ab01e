#include "core/app/StartVisibility.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(StartVisibility, HiddenOnlyWhereTheNotificationAreaCanBringItBack)
{
    EXPECT_EQ(PlanStartVisibility(false, true), StartVisibility::Shown);
    EXPECT_EQ(PlanStartVisibility(false, false), StartVisibility::Shown);
    EXPECT_EQ(PlanStartVisibility(true, true), StartVisibility::InTray);
    EXPECT_EQ(PlanStartVisibility(true, false), StartVisibility::Minimised);
}

} // namespace
} // namespace qx71
