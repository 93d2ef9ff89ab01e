#include "platform/hid/HidapiPlatform.h"

#include <gtest/gtest.h>

#include <set>

namespace qx71 {
namespace {

// What can be checked without a HID device: error paths answer cleanly.
class HidapiPlatformTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(platform_.Init()); }
    HidapiPlatform platform_;
};

TEST_F(HidapiPlatformTest, EnumerationListsEachInterfaceOnce)
{
    const std::vector<std::string> paths = platform_.EnumerateInterfaces();
    const std::set<std::string> unique(paths.begin(), paths.end());
    EXPECT_EQ(unique.size(), paths.size());
}

TEST_F(HidapiPlatformTest, OpeningAPathThatIsNoInterfaceFails)
{
    for (const HidAccess access : {HidAccess::Probe, HidAccess::Read, HidAccess::Write}) {
        EXPECT_EQ(platform_.Open("/dev/hidraw-qx71-absent", access), kInvalidHidHandle);
        EXPECT_EQ(platform_.Open("", access), kInvalidHidHandle);
    }
}

TEST_F(HidapiPlatformTest, EveryOperationOnAnUnknownHandleFails)
{
    for (const HidHandle handle : {kInvalidHidHandle, HidHandle{12345}}) {
        uint16_t vid = 0;
        uint16_t pid = 0;
        uint8_t report[65] = {0x02};
        EXPECT_FALSE(platform_.GetAttributes(handle, vid, pid));
        EXPECT_FALSE(platform_.GetFeatureValueCapsCount(handle));
        EXPECT_FALSE(platform_.GetFeatureValueCaps(handle, 10));
        EXPECT_FALSE(platform_.SetFeature(handle, report, sizeof report));
        EXPECT_FALSE(platform_.GetFeature(handle, report, sizeof report));
        EXPECT_EQ(platform_.WriteOutput(handle, report, 33), HidWriteResult::Failed);
        EXPECT_FALSE(platform_.WaitWriteCompletion(handle, 0));
        platform_.Close(handle);
    }
}

} // namespace
} // namespace qx71
