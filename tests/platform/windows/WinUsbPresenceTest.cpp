#include "platform/windows/WinUsbPresence.h"

#include <gtest/gtest.h>

namespace qx71 {
namespace {

TEST(WinUsbPresence, AHardwareIdMatchesInAnyCase)
{
    const UsbIdentity mouse{"3554", "F513"};
    const struct {
        const wchar_t* id;
        bool matches;
    } cases[] = {
        {L"USB\\VID_3554&PID_F513&REV_0100", true},
        {L"usb\\vid_3554&pid_f513", true},
        {L"USB\\VID_3554&PID_F5FF&REV_0100", false},
        {L"USB\\VID_046D&PID_C077", false},
        {L"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WinUsbPresence::Matches(c.id, mouse), c.matches) << c.id;
    }
}

TEST(WinUsbPresence, FindsNeitherIdentityOfTheMouseAndFollowsNothing)
{
    WinUsbPresence presence;
    for (const std::wstring& id : WinUsbPresence::HardwareIds()) {
        EXPECT_EQ(id.rfind(L"USB\\", 0), 0u) << id;
    }
    EXPECT_FALSE(presence.IsPresent(UsbIdentity{}));
    EXPECT_FALSE(presence.IsPresent(UpdateModeIdentity()));
    EXPECT_FALSE(presence.Start(UsbIdentity{}, [](const DeviceChange&) {}));
}

} // namespace
} // namespace qx71
