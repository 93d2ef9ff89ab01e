#include "platform/linux/UdevDeviceMonitor.h"
#include "platform/linux/LibudevSource.h"

#include "support/TaskQueue.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <deque>
#include <mutex>

namespace qx71 {
namespace {

using test::TaskQueue;

const UsbIdentity kMouse{"3554", "F513"};
const UsbIdentity kUpdateMode{"3554", "F5FF"};

// Events the test writes, readable through a pipe like a netlink socket.
class ScriptedSource final : public IUdevSource {
public:
    ScriptedSource() { [[maybe_unused]] int ok = pipe2(pipe_, O_CLOEXEC | O_NONBLOCK); }
    ~ScriptedSource() override
    {
        close(pipe_[0]);
        close(pipe_[1]);
    }
    bool Listen() override { return listens; }
    int Fd() const override { return pipe_[0]; }
    std::optional<UdevDevice> Receive() override
    {
        char byte = 0;
        if (read(pipe_[0], &byte, 1) != 1) {
            return std::nullopt;
        }
        std::lock_guard lock(mutex_);
        UdevDevice device = events_.front();
        events_.pop_front();
        return device;
    }
    std::vector<UdevDevice> Enumerate(const std::string& subsystem) override
    {
        std::vector<UdevDevice> found;
        for (const UdevDevice& d : present) {
            if (d.subsystem == subsystem) {
                found.push_back(d);
            }
        }
        return found;
    }
    void Push(UdevDevice device)
    {
        {
            std::lock_guard lock(mutex_);
            events_.push_back(std::move(device));
        }
        const char byte = 1;
        [[maybe_unused]] ssize_t written = write(pipe_[1], &byte, 1);
    }

    bool listens = true;
    std::vector<UdevDevice> present;

private:
    int pipe_[2] = {-1, -1};
    std::mutex mutex_;
    std::deque<UdevDevice> events_;
};

// The devices one QX71 plug-in produces, as they look with and without readable parents.
UdevDevice UsbDevice(const std::string& action, const std::string& product = "3554/f513/100")
{
    return {action,
            "usb",
            "usb_device",
            "/sys/devices/usb1/1-1",
            "/dev/bus/usb/001/005",
            {{"PRODUCT", product}},
            std::nullopt};
}
UdevDevice Hidraw(const std::string& action, int n, std::optional<UsbIds> parent)
{
    return {action,
            "hidraw",
            "",
            "/sys/devices/usb1/1-1/1-1:1." + std::to_string(n) + "/hidraw" + std::to_string(n),
            "/dev/hidraw" + std::to_string(n),
            {},
            parent};
}
const UsbIds kMouseIds{0x3554, 0xF513};

UdevDevice WithProperties(std::map<std::string, std::string> properties)
{
    UdevDevice device;
    device.properties = std::move(properties);
    return device;
}

TEST(UsbIdsOf, ReadsEveryFormTheSystemUses)
{
    struct Case {
        const char* name;
        UdevDevice device;
        std::optional<UsbIds> expected;
    };
    const Case cases[] = {
        {"parent", Hidraw("add", 1, kMouseIds), kMouseIds},
        {"PRODUCT", WithProperties({{"PRODUCT", "3554/f513/100"}}), kMouseIds},
        {"PRODUCT upper case", WithProperties({{"PRODUCT", "3554/F513/100"}}), kMouseIds},
        {"PRODUCT short", WithProperties({{"PRODUCT", "46d/c52b/1211"}}), UsbIds{0x046D, 0xC52B}},
        {"HID_ID", WithProperties({{"HID_ID", "0003:00003554:0000F513"}}), kMouseIds},
        {"udev ids", WithProperties({{"ID_VENDOR_ID", "3554"}, {"ID_MODEL_ID", "f513"}}),
         kMouseIds},
        {"nothing", UdevDevice{}, std::nullopt},
        {"garbage", WithProperties({{"PRODUCT", "zz/f513/1"}, {"HID_ID", "3:1"}}), std::nullopt},
        {"too long", WithProperties({{"HID_ID", "0003:00013554:0000F513"}}), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UsbIdsOf(c.device), c.expected) << c.name;
    }
}

class UdevMonitor : public ::testing::Test {
protected:
    UdevMonitor()
    {
        auto scripted = std::make_unique<ScriptedSource>();
        source = scripted.get();
        monitor = std::make_unique<UdevDeviceMonitor>(queue.Poster(), std::move(scripted));
    }
    bool Start()
    {
        return monitor->Start(kMouse, [this](const DeviceChange& c) { changes.push_back(c); });
    }
    TaskQueue queue;
    ScriptedSource* source = nullptr;
    std::unique_ptr<UdevDeviceMonitor> monitor;
    std::vector<DeviceChange> changes;
};

TEST_F(UdevMonitor, OnePlugInIsOneArrivalAndOneUnplugOneRemoval)
{
    ASSERT_TRUE(Start());
    // Plug in: the USB device, then its two HID nodes; another mouse in between.
    source->Push(UsbDevice("add"));
    source->Push(UsbDevice("add", "046d/c52b/1"));
    source->Push(Hidraw("add", 3, kMouseIds));
    source->Push(Hidraw("add", 4, kMouseIds));
    ASSERT_TRUE(queue.RunUntil([&] { return changes.size() >= 1; }));
    // Unplug: the HID nodes go first, their parents no longer readable.
    source->Push(Hidraw("remove", 3, std::nullopt));
    source->Push(Hidraw("remove", 4, std::nullopt));
    source->Push(UsbDevice("remove"));
    source->Push(UsbDevice("remove", "046d/c52b/1"));
    ASSERT_TRUE(queue.RunUntil([&] { return changes.size() >= 2; }));
    // Plug in again.
    source->Push(Hidraw("add", 5, kMouseIds));
    ASSERT_TRUE(queue.RunUntil([&] { return changes.size() >= 3; }));
    monitor->Stop();
    queue.RunPending();

    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].kind, DeviceChangeKind::Arrival);
    EXPECT_EQ(changes[0].path, "/dev/hidraw3");
    EXPECT_EQ(changes[1].kind, DeviceChangeKind::Removal);
    EXPECT_EQ(changes[1].path, "/dev/hidraw3");
    EXPECT_EQ(changes[2].kind, DeviceChangeKind::Arrival);
}

TEST_F(UdevMonitor, AMousePresentAtStartIsReportedOnlyWhenItGoes)
{
    source->present = {Hidraw("", 3, kMouseIds)};
    ASSERT_TRUE(Start());
    // Its node's removal names no identifiers: the monitor knew it from the start.
    source->Push(Hidraw("add", 7, UsbIds{0x046D, 0xC52B}));
    source->Push(Hidraw("remove", 3, std::nullopt));
    ASSERT_TRUE(queue.RunUntil([&] { return !changes.empty(); }));
    monitor->Stop();
    queue.RunPending();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].kind, DeviceChangeKind::Removal);
}

TEST_F(UdevMonitor, NothingIsDeliveredAfterStop)
{
    ASSERT_TRUE(Start());
    source->Push(Hidraw("add", 3, kMouseIds));
    ASSERT_TRUE(queue.WaitPending(1));
    monitor->Stop();
    queue.RunPending();
    EXPECT_TRUE(changes.empty());
}

TEST_F(UdevMonitor, StartFailsWhenTheSystemOffersNoEvents)
{
    source->listens = false;
    EXPECT_FALSE(Start());
}

TEST_F(UdevMonitor, PresenceTestLooksForTheUsbDeviceOfTheIdentity)
{
    source->present = {Hidraw("", 3, UsbIds{0x3554, 0xF5FF}), UsbDevice("", "3554/f513/1")};
    EXPECT_FALSE(monitor->IsPresent(kUpdateMode));
    source->present.push_back(UsbDevice("", "3554/f5ff/1"));
    EXPECT_TRUE(monitor->IsPresent(kUpdateMode));
    EXPECT_TRUE(monitor->IsPresent(kMouse));
}

// On this machine: whatever its devices, the real source lists them without failing and does
// not find an identity that no device has.
TEST(LibudevSource, EnumeratesTheRealSystem)
{
    UdevDeviceMonitor monitor([](std::function<void()>) {});
    EXPECT_FALSE(monitor.IsPresent(UsbIdentity{"0000", "0000"}));
    LibudevSource source;
    for (const UdevDevice& device : source.Enumerate("usb")) {
        EXPECT_EQ(device.subsystem, "usb");
    }
}

} // namespace
} // namespace qx71
