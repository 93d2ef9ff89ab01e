// The HID walk over the system's own HID stack. Under Wine the interfaces are Wine's virtual
// mouse and keyboard (and whatever the host lends it): the walk must open each as a probe, read
// its identity and capabilities, and find no QX71.
#include "platform/windows/WinHidPlatform.h"
#include "platform/windows/WinNodeAccess.h"

#include "core/device/CUSBDriver.h"
#include "core/device/DeviceSurvey.h"
#include "platform/windows/WinClock.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace qx71 {
namespace {

TEST(WinHidPlatform, WalksThePresentInterfacesAndReadsEachOnesIdentity)
{
    WinHidPlatform hid;
    ASSERT_TRUE(hid.Init());
    const std::vector<std::string> paths = hid.EnumerateInterfaces();
    ASSERT_FALSE(paths.empty()) << "the system lists no HID interface to walk";
    size_t probed = 0;
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        EXPECT_EQ(path.rfind("\\\\?\\", 0), 0u);
        const HidHandle probe = hid.Open(path, HidAccess::Probe);
        if (probe == kInvalidHidHandle) {
            continue;
        }
        ++probed;
        uint16_t vendor = 0;
        uint16_t product = 0;
        EXPECT_TRUE(hid.GetAttributes(probe, vendor, product));
        EXPECT_TRUE(hid.GetTopLevelUsage(probe).has_value());
        const std::optional<size_t> count = hid.GetFeatureValueCapsCount(probe);
        ASSERT_TRUE(count.has_value());
        const auto caps = hid.GetFeatureValueCaps(probe, std::min<size_t>(*count, 10));
        if (*count > 0) {
            ASSERT_TRUE(caps.has_value());
            EXPECT_LE(caps->size(), *count);
        }
        hid.Close(probe);
    }
    EXPECT_GT(probed, 0u);
}

TEST(WinHidPlatform, TheLinkFindsNoQx71AmongOtherDevices)
{
    WinHidPlatform hid;
    WinNodeAccess nodes;
    WinClock clock;
    CUSBDriver link(hid, clock);
    EXPECT_FALSE(link.OpenDevice());
    const DeviceSurvey survey =
        SurveyDevices(hid, nodes, nullptr, UsbIdentity{}, UpdateModeIdentity());
    EXPECT_EQ(survey.status, MouseStatus::Absent);
    EXPECT_FALSE(survey.mouse.has_value());
    EXPECT_FALSE(survey.interfaces.empty());
    for (const SurveyedInterface& iface : survey.interfaces) {
        EXPECT_EQ(iface.role, InterfaceRole::Other) << iface.probe.path;
    }
}

TEST(WinHidPlatform, ReportsOnAHandleThatIsNotOpenFail)
{
    WinHidPlatform hid;
    const uint8_t report[33] = {2};
    uint8_t reply[65] = {2};
    EXPECT_EQ(hid.WriteOutput(kInvalidHidHandle, report, sizeof report), HidWriteResult::Failed);
    EXPECT_FALSE(hid.SetFeature(kInvalidHidHandle, report, sizeof report));
    EXPECT_FALSE(hid.GetFeature(kInvalidHidHandle, reply, sizeof reply));
    EXPECT_EQ(hid.Open("\\\\?\\hid#absent#1", HidAccess::Write), kInvalidHidHandle);
}

TEST(WinNodeAccess, TellsWhyANodeDoesNotOpen)
{
    const struct {
        DWORD error;
        NodeAccess access;
    } cases[] = {
        {ERROR_ACCESS_DENIED, NodeAccess::PermissionDenied},
        {ERROR_SHARING_VIOLATION, NodeAccess::Busy},
        {ERROR_FILE_NOT_FOUND, NodeAccess::Missing},
        {ERROR_DEVICE_NOT_CONNECTED, NodeAccess::Missing},
        {ERROR_GEN_FAILURE, NodeAccess::Failed},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NodeAccessFromWin32(c.error), c.access) << c.error;
    }
    WinNodeAccess nodes;
    EXPECT_EQ(nodes.CheckReadWrite("\\\\?\\hid#absent#1"), NodeAccess::Missing);
}

} // namespace
} // namespace qx71
