#include "core/update/FirmwareVersion.h"
#include "core/update/DownloadRules.h"
#include "core/update/UpdatePaths.h"

#include <gtest/gtest.h>

#include <climits>

namespace qx71 {
namespace {

TEST(FirmwareVersion, NumberSkipsSpaceReadsSignAndDigitsIgnoresTheRest)
{
    const struct {
        std::u16string text;
        int32_t number;
    } cases[] = {
        {u"13", 13},
        {u"14abc", 14},
        {u" +15", 15},
        {u"\t\r\n 7", 7},
        {u"", 0},
        {u"abc", 0},
        {u"+-3", 0},
        {u"1 2", 1},
        {u"0x1F", 0},
        {u"-1", -1},
        {u"  -12z", -12},
        {u"007", 7},
        {u"2147483647", INT_MAX},
        {u"99999999999", INT_MAX},
        {u"-2147483648", INT_MIN},
        {u"-99999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VersionNumber(c.text), c.number) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(FirmwareVersion, NewerComparesAsUnsigned)
{
    const struct {
        int32_t offered;
        int32_t installed;
        bool newer;
    } cases[] = {
        {14, 13, true}, {13, 13, false}, {12, 13, false}, {1, 0, true},
        {0, 0, false},  {-1, 13, true},  {13, -1, false}, {INT_MIN, INT_MAX, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNewerFirmware(c.offered, c.installed), c.newer)
            << c.offered << " vs " << c.installed;
    }
}

TEST(FirmwareVersion, TextIsDecimalOrEmptyForAFailedOrZeroQuery)
{
    EXPECT_EQ(FirmwareVersionText(true, 13), u"13");
    EXPECT_EQ(FirmwareVersionText(true, 7), u"7");
    EXPECT_EQ(FirmwareVersionText(true, 0), u"");
    EXPECT_EQ(FirmwareVersionText(false, 13), u"");
}

TEST(FirmwareVersion, SupportPageDisplay)
{
    const struct {
        std::u16string text;
        std::u16string shown;
    } cases[] = {
        {u"", u"Unknown"},    {u"7", u"V 0.0.7"},     {u"13", u"V 0.1.3"},
        {u"104", u"V 1.0.4"}, {u"2805", u"V 28.0.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirmwareVersionDisplay(c.text), c.shown);
    }
}

TEST(DownloadRules, OnlyHttpAndHttpsAddressesWithAHostAreFetched)
{
    const struct {
        const char* address;
        bool allowed;
    } cases[] = {
        {"http://127.0.0.1:8080/fw.bin", true},
        {"https://example.com/fw.bin", true},
        {"HTTPS://example.com", true},
        {"file:///etc/passwd", false},
        {"ftp://example.com/fw.bin", false},
        {"", false},
        {"http://", false},
        {"http:///fw.bin", false},
        {"//example.com/fw.bin", false},
        {"gopher://example.com", false},
        {"httpx://example.com", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsAllowedDownloadAddress(c.address), c.allowed) << c.address;
    }
}

TEST(UpdatePaths, DownloadsGoToDataDirWhenInstallDirIsNotWritable)
{
    const UpdatePaths writable = FormUpdatePaths("/opt/qx71", "/home/u/.config/TOLVI/QX71", true);
    EXPECT_EQ(writable.shippedDescription, "/opt/qx71/FWUpdate/new_version/update.xml");
    EXPECT_EQ(writable.downloadDescription, "/opt/qx71/FWUpdate/new_version/update.xml");
    EXPECT_EQ(writable.image, "/opt/qx71/FWUpdate/new_version/TolviGameDevice.bin");
    EXPECT_EQ(writable.flashingTool, "/opt/qx71/FWUpdate/BuringFW");

    const UpdatePaths readOnly = FormUpdatePaths("/opt/qx71", "/home/u/.config/TOLVI/QX71", false);
    EXPECT_EQ(readOnly.shippedDescription, "/opt/qx71/FWUpdate/new_version/update.xml");
    EXPECT_EQ(readOnly.downloadDescription,
              "/home/u/.config/TOLVI/QX71/FWUpdate/new_version/update.xml");
    EXPECT_EQ(readOnly.image,
              "/home/u/.config/TOLVI/QX71/FWUpdate/new_version/TolviGameDevice.bin");
    EXPECT_EQ(readOnly.flashingTool, "/opt/qx71/FWUpdate/BuringFW");
}

TEST(UpdatePaths, DescriptionAddressAndServerChoice)
{
    EXPECT_EQ(DescriptionAddress("http://127.0.0.1:8080"),
              "http://127.0.0.1:8080/software/qx71/update.xml");
    EXPECT_EQ(DescriptionAddress("https://example.com/"),
              "https://example.com/software/qx71/update.xml");
    EXPECT_EQ(DescriptionAddress(""), "");
    EXPECT_EQ(UpdateServer(std::string("http://a.test")), "http://a.test");
    // Set but empty turns the online check off whatever the build says.
    EXPECT_EQ(UpdateServer(std::string()), "");
}

} // namespace
} // namespace qx71
