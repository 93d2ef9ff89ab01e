#include "platform/hid/HidrawSysfs.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qx71 {
namespace {

class HidrawSysfs : public testing::Test {
protected:
    void WriteDescriptor(const std::string& node, const std::vector<uint8_t>& bytes)
    {
        const auto folder = sysfs_.path() / "class" / "hidraw" / node / "device";
        std::filesystem::create_directories(folder);
        test::WriteAll(folder / "report_descriptor", bytes);
    }

    test::TempDir sysfs_;
};

TEST_F(HidrawSysfs, ReadsTheDescriptorOfTheNodeTheDevicePathNames)
{
    const std::vector<uint8_t> descriptor = {0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0xC0};
    WriteDescriptor("hidraw7", descriptor);
    WriteDescriptor("hidraw17", {0x05, 0x01});
    EXPECT_EQ(ReadHidrawReportDescriptor("/dev/hidraw7", sysfs_.path()), descriptor);
}

TEST_F(HidrawSysfs, AcceptsTheLargestDescriptorAndRejectsALargerFile)
{
    WriteDescriptor("hidraw1", std::vector<uint8_t>(kMaxReportDescriptorSize, 0xC0));
    WriteDescriptor("hidraw2", std::vector<uint8_t>(kMaxReportDescriptorSize + 1, 0xC0));
    const auto largest = ReadHidrawReportDescriptor("/dev/hidraw1", sysfs_.path());
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->size(), kMaxReportDescriptorSize);
    EXPECT_FALSE(ReadHidrawReportDescriptor("/dev/hidraw2", sysfs_.path()));
}

TEST_F(HidrawSysfs, NothingForPathsThatAreNotReadableHidrawNodes)
{
    WriteDescriptor("hidraw3", {});
    WriteDescriptor("hidrawx", {0x05, 0x01});
    WriteDescriptor("sda", {0x05, 0x01});
    for (const char* path : {"/dev/hidraw3", "/dev/hidraw9", "/dev/hidrawx", "/dev/hidraw",
                             "/dev/sda", "", "hidraw3/../hidraw9"}) {
        EXPECT_FALSE(ReadHidrawReportDescriptor(path, sysfs_.path())) << path;
    }
}

} // namespace
} // namespace qx71
