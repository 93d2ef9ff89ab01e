#include "core/device/DeviceSurvey.h"

#include "support/FakeHidPlatform.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

using test::FakeHidInterface;
using test::FakeHidPlatform;
using test::FakeNodeAccess;
using test::FakeUsbMonitor;

const UsbIdentity kMouse{"3554", "F513"};
const UsbIdentity kUpdate{"3554", "F5FF"};
const HidValueCaps kVendorCaps{0xFF01, 0x0022, 2, 64};
const HidValueCaps kConsumerCaps{0x000C, 0x0001, 3, 2};

FakeHidInterface Mouse(const std::string& path, std::vector<HidValueCaps> caps, bool opens = true)
{
    return FakeHidInterface{path, 0x3554, 0xF513, {0xFF01, 0x0001}, std::move(caps), opens};
}

TEST(DeviceSurvey, ProbeVerdictsFollowTheLinksTests)
{
    std::vector<HidValueCaps> tenOthers(CUSBDriver::kMaxValueCaps, kConsumerCaps);
    tenOthers.push_back(kVendorCaps); // the eleventh capability is never fetched
    struct Case {
        const char* name;
        FakeHidInterface iface;
        ProbeVerdict verdict;
        InterfaceRole role;
    };
    const Case cases[] = {
        {"another device",
         {"a", 0x046D, 0xC077, {}, {kVendorCaps}},
         ProbeVerdict::OtherDevice,
         InterfaceRole::Other},
        {"update mode",
         {"u", 0x3554, 0xF5FF, {}, {}},
         ProbeVerdict::OtherDevice,
         InterfaceRole::UpdateMode},
        {"no feature caps", Mouse("m", {}), ProbeVerdict::NoFeatureCaps, InterfaceRole::MouseOther},
        {"other caps only", Mouse("m", {kConsumerCaps}), ProbeVerdict::NoVendorCollection,
         InterfaceRole::MouseOther},
        {"vendor caps beyond the first ten", Mouse("m", tenOthers),
         ProbeVerdict::NoVendorCollection, InterfaceRole::MouseOther},
        {"vendor report of no bytes", Mouse("m", {{0xFF01, 0x0022, 2, 0}}),
         ProbeVerdict::NoVendorCollection, InterfaceRole::MouseOther},
        {"vendor report longer than the link's buffers", Mouse("m", {{0xFF01, 0x0022, 2, 255}}),
         ProbeVerdict::NoVendorCollection, InterfaceRole::MouseOther},
        {"vendor interface", Mouse("m", {kConsumerCaps, kVendorCaps}),
         ProbeVerdict::VendorInterface, InterfaceRole::MouseVendor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHidPlatform platform({c.iface});
        FakeNodeAccess nodes(NodeAccess::ReadWrite);
        const DeviceSurvey survey = SurveyDevices(platform, nodes, nullptr, kMouse, kUpdate);
        ASSERT_EQ(survey.interfaces.size(), 1u);
        EXPECT_EQ(survey.interfaces[0].probe.verdict, c.verdict);
        EXPECT_EQ(survey.interfaces[0].role, c.role);
        EXPECT_EQ(platform.OpenHandleCount(), 0u);
    }
}

TEST(DeviceSurvey, TheFirstVendorInterfaceThatOpensIsTheMouse)
{
    FakeHidPlatform platform(
        {Mouse("/dev/hidraw1", {kVendorCaps}, false), Mouse("/dev/hidraw2", {kVendorCaps}, true)});
    FakeNodeAccess nodes(NodeAccess::PermissionDenied);
    const DeviceSurvey survey = SurveyDevices(platform, nodes, nullptr, kMouse, kUpdate);
    ASSERT_TRUE(survey.mouse.has_value());
    EXPECT_EQ(*survey.mouse, 1u);
    EXPECT_EQ(survey.mouseAccess, NodeAccess::ReadWrite);
    EXPECT_EQ(survey.status, MouseStatus::Usable);
    EXPECT_TRUE(nodes.asked.empty());
    EXPECT_EQ(platform.OpenHandleCount(), 0u);
}

TEST(DeviceSurvey, WhenNoVendorInterfaceOpensTheFirstOneIsExplained)
{
    FakeHidPlatform platform(
        {Mouse("/dev/hidraw1", {kVendorCaps}, false), Mouse("/dev/hidraw2", {kVendorCaps}, false)});
    FakeNodeAccess nodes(NodeAccess::Busy);
    const DeviceSurvey survey = SurveyDevices(platform, nodes, nullptr, kMouse, kUpdate);
    ASSERT_TRUE(survey.mouse.has_value());
    EXPECT_EQ(*survey.mouse, 0u);
    EXPECT_EQ(survey.mouseAccess, NodeAccess::Busy);
    EXPECT_EQ(survey.status, MouseStatus::NotUsable);
    EXPECT_EQ(nodes.asked, std::vector<std::string>{"/dev/hidraw1"});
}

TEST(DeviceSurvey, ANodeThatOpensOnItsOwnButNotThroughThePlatformHasNoReason)
{
    FakeHidPlatform platform({Mouse("/dev/hidraw1", {kVendorCaps}, false)});
    FakeNodeAccess nodes(NodeAccess::ReadWrite);
    const DeviceSurvey survey = SurveyDevices(platform, nodes, nullptr, kMouse, kUpdate);
    EXPECT_EQ(survey.mouseAccess, NodeAccess::Failed);
    EXPECT_EQ(survey.status, MouseStatus::NotUsable);
}

TEST(DeviceSurvey, UpdateModeComesFromTheUsbBusOrAHidInterface)
{
    FakeNodeAccess nodes(NodeAccess::ReadWrite);
    {
        FakeHidPlatform platform({});
        FakeUsbMonitor usb({kUpdate});
        const DeviceSurvey survey = SurveyDevices(platform, nodes, &usb, kMouse, kUpdate);
        EXPECT_TRUE(survey.updateModePresent);
        EXPECT_EQ(survey.status, MouseStatus::UpdateMode);
    }
    {
        FakeHidPlatform platform({{"u", 0x3554, 0xF5FF, {}, {}}});
        const DeviceSurvey survey = SurveyDevices(platform, nodes, nullptr, kMouse, kUpdate);
        EXPECT_EQ(survey.status, MouseStatus::UpdateMode);
    }
    {
        // A usable mouse wins; the update-mode device is still reported.
        FakeHidPlatform platform({Mouse("m", {kVendorCaps})});
        FakeUsbMonitor usb({kUpdate});
        const DeviceSurvey survey = SurveyDevices(platform, nodes, &usb, kMouse, kUpdate);
        EXPECT_TRUE(survey.updateModePresent);
        EXPECT_EQ(survey.status, MouseStatus::Usable);
    }
}

} // namespace
} // namespace qx71
