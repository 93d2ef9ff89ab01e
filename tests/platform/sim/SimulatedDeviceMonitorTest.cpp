#include "platform/sim/SimulatedDeviceMonitor.h"

#include "core/device/CUSBDriver.h"
#include "platform/sim/SimulatedQx71.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace qx71 {
namespace {

class SimulatedDeviceMonitorTest : public ::testing::Test {
protected:
    PostTask Poster()
    {
        return [this](std::function<void()> task) { posted.push_back(std::move(task)); };
    }
    void RunPosted()
    {
        while (!posted.empty()) {
            auto task = std::move(posted.front());
            posted.pop_front();
            task();
        }
    }

    test::FakeClock clock;
    SimulatedQx71 mouse{clock};
    std::deque<std::function<void()>> posted;
    std::vector<DeviceChangeKind> seen;
};

TEST_F(SimulatedDeviceMonitorTest, UnplugAndPlugAreReportedLaterAndTheLinkFollows)
{
    SimulatedDeviceMonitor monitor(mouse, Poster());
    ASSERT_TRUE(monitor.Start({}, [&](const DeviceChange& c) { seen.push_back(c.kind); }));
    CUSBDriver link(mouse, clock);
    ASSERT_TRUE(link.InitLink());
    ASSERT_TRUE(link.OpenDevice());

    monitor.Unplug();
    monitor.Unplug(); // already out: nothing more
    EXPECT_TRUE(seen.empty()) << "reports are posted, not delivered at once";
    RunPosted();
    EXPECT_EQ(seen, (std::vector<DeviceChangeKind>{DeviceChangeKind::Removal}));
    int version = 0;
    EXPECT_FALSE(link.ReadFirmwareVersion(version));
    link.CloseDevice();
    EXPECT_FALSE(link.OpenDevice());
    EXPECT_FALSE(monitor.IsPresent({}));

    monitor.Plug();
    RunPosted();
    EXPECT_EQ(seen.back(), DeviceChangeKind::Arrival);
    EXPECT_TRUE(monitor.IsPresent({}));
    EXPECT_TRUE(link.OpenDevice());
}

TEST_F(SimulatedDeviceMonitorTest, NothingIsDeliveredAfterStopEvenWhenAlreadyPosted)
{
    SimulatedDeviceMonitor monitor(mouse, Poster());
    monitor.Start({}, [&](const DeviceChange& c) { seen.push_back(c.kind); });
    monitor.Unplug();
    monitor.Stop();
    RunPosted();
    EXPECT_TRUE(seen.empty());
}

TEST_F(SimulatedDeviceMonitorTest, UpdateModeShowsOnlyTheUpdateIdentity)
{
    SimulatedDeviceMonitor monitor(mouse, Poster(), true);
    EXPECT_TRUE(monitor.IsPresent(UpdateModeIdentity()));
    EXPECT_FALSE(monitor.IsPresent({}));
    CUSBDriver link(mouse, clock);
    ASSERT_TRUE(link.InitLink());
    EXPECT_FALSE(link.OpenDevice());
    monitor.Plug();
    EXPECT_FALSE(monitor.IsPresent(UpdateModeIdentity()));
    EXPECT_TRUE(link.OpenDevice());
}

} // namespace
} // namespace qx71
