#include "core/device/CUSBDriver.h"

#include "core/device/DeviceFormats.h"
#include "core/device/MacroStream.h"
#include "platform/hid/TracingHidPlatform.h"
#include "platform/sim/SimulatedQx71.h"
#include "support/FakeClock.h"
#include "support/GatedClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <future>
#include <map>
#include <optional>
#include <sstream>
#include <thread>

namespace qx71 {
namespace {

using test::FakeClock;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A feature report as the trace shows it: report ID 2, the payload, zeros up to 65 bytes.
std::string Feature(const std::string& payloadHex)
{
    std::string hex = "02" + payloadHex;
    hex.resize(65 * 2, '0');
    return "set-feature " + hex;
}

std::string Output(const std::string& dataHex)
{
    std::string hex = "02" + dataHex;
    hex.resize(33 * 2, '0');
    return "output " + hex;
}

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(link.InitLink() && link.OpenDevice()); }
    std::vector<std::string> Trace() const { return Lines(traceText.str()); }
    void ClearTrace()
    {
        traceText.str("");
        clock.ClearSleeps();
    }

    FakeClock clock;
    SimulatedQx71 sim{clock};
    std::ostringstream traceText;
    TracingHidPlatform traced{sim, traceText};
    CUSBDriver link{traced, clock};
};

TEST_F(LinkTest, OpensTheVendorInterfaceAndClosesEveryProbe)
{
    EXPECT_EQ(link.ReportId(), 2);
    EXPECT_EQ(link.ReportLength(), 64);
    EXPECT_EQ(sim.OpenHandleCount(), 2u); // the read and the write handle only
    link.CloseDevice();
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(sim.OpenHandleCount(), 0u);
}

TEST_F(LinkTest, EveryCommandSendsItsExactBytes)
{
    struct Case {
        const char* name;
        std::function<bool()> send;
        std::vector<std::string> trace;
    };
    const Case cases[] = {
        {"report rate 8", [&] { return link.SetReportRate(8); }, {Feature("0108")}},
        {"report rate 3 is sent as 2", [&] { return link.SetReportRate(3); }, {Feature("0102")}},
        {"DPI stage", [&] { return link.SetDpiStage(2); }, {Feature("0b0102")}},
        {"LED colour green, red, blue",
         [&] { return link.SetLedColor(0x563412); },
         {Feature("0c01341256")}},
        {"LED effect", [&] { return link.SetLedEffect(4, 10, 2); }, {Feature("0d01040a02")}},
        {"DPI table",
         [&] {
             DpiTable t;
             t.stageCodes[0] = 0x04;
             t.stageCodes[1] = 0x08;
             return link.WriteDpiTable(t.Bytes().data(), kDpiTableBytes);
         },
         {Feature("11010510"), Output("0408808080808080"
                                      "0408808080808080")}},
        {"button table",
         [&] {
             ButtonTable t;
             t.slots[kSlotLeft] = MakeDeviceCode(DeviceCodeKind::MouseButton, 0, kMouseLeft, 0);
             t.slots[kSlotWheelBackward] = 0x11223344;
             return link.WriteButtonTable(t.Bytes().data(), kButtonTableBytes);
         },
         {Feature("12010040"), Output("0100f000"), Output(std::string(56, '0') + "44332211")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearTrace();
        EXPECT_TRUE(c.send());
        EXPECT_EQ(Trace(), c.trace);
    }
}

TEST_F(LinkTest, MacroStreamGoesToItsSlotInSixteenReports)
{
    MacroRecord macro;
    macro.loopCount = 1;
    macro.eventCount = 2;
    macro.events[0] = MakeMacroEvent(MacroEventKind::KeyDown, 0x41);
    macro.events[1] = MakeMacroEvent(MacroEventKind::KeyUp, 0x41);
    ClearTrace();
    EXPECT_EQ(link.WriteMacroStream(3, &macro), 3);
    const auto trace = Trace();
    ASSERT_EQ(trace.size(), 17u);
    EXPECT_EQ(trace[0], Feature("1301030002"));
    EXPECT_EQ(trace[1], Output("0001010481040000"));
    EXPECT_EQ(sim.GetState().macroSlots[3][2], 0x01);

    // Slot 8 does not exist: nothing is sent, the entry count still comes back.
    ClearTrace();
    EXPECT_EQ(link.WriteMacroStream(8, &macro), 3);
    EXPECT_TRUE(Trace().empty());
    EXPECT_EQ(link.WriteMacroStream(1, nullptr), 0);
}

TEST_F(LinkTest, WaitsExactlyWhatTheMouseNeeds)
{
    const std::vector<uint8_t> data(512, 0x5A);
    struct Case {
        const char* name;
        std::function<bool()> send;
        std::vector<uint32_t> sleeps;
        size_t reports;
    };
    std::vector<uint32_t> blocks16;
    for (int i = 0; i < 16; ++i) {
        blocks16.insert(blocks16.end(), {50, 50});
    }
    std::vector<uint32_t> buttonTable = {100, 50, 50, 50, 50};
    const Case cases[] = {
        {"512 bytes", [&] { return link.WriteBlocks(data.data(), 512); }, blocks16, 16},
        {"64 bytes", [&] { return link.WriteBlocks(data.data(), 64); }, {50, 50, 50, 50}, 2},
        {"nothing", [&] { return link.WriteBlocks(data.data(), 0); }, {}, 0},
        {"button table", [&] { return link.WriteButtonTable(data.data(), 64); }, buttonTable, 3},
        {"DPI table", [&] { return link.WriteDpiTable(data.data(), 16); }, {50, 50}, 2},
        {"version query",
         [&] {
             int v = 0;
             return link.ReadFirmwareVersion(v);
         },
         {50},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearTrace();
        EXPECT_TRUE(c.send());
        EXPECT_EQ(clock.Sleeps(), c.sleeps);
        EXPECT_EQ(Trace().size(), c.reports);
    }
}

TEST_F(LinkTest, RefusesLengthsItCannotSendWithoutSendingAnything)
{
    const std::vector<uint8_t> data(64, 1);
    ClearTrace();
    EXPECT_FALSE(link.WriteBlocks(data.data(), 48));
    EXPECT_FALSE(link.WriteBlocks(nullptr, 32));
    EXPECT_FALSE(link.WriteButtonTable(data.data(), 32));
    EXPECT_FALSE(link.WriteDpiTable(data.data(), 15));
    EXPECT_TRUE(Trace().empty());
    EXPECT_TRUE(clock.Sleeps().empty());
}

TEST_F(LinkTest, PendingWriteWhoseCompletionNeverComesCostsTheLimitAndCounts)
{
    sim.SetWritesNeverComplete(true);
    const std::vector<uint8_t> data(32, 7);
    ClearTrace();
    EXPECT_TRUE(link.WriteBlocks(data.data(), 32));
    // 50 before and after the report, then the pending wait: 1500 in all, taken in steps so
    // that a close can end it.
    const auto sleeps = clock.Sleeps();
    ASSERT_GE(sleeps.size(), 3u);
    EXPECT_EQ(sleeps[0], 50u);
    EXPECT_EQ(sleeps[1], 50u);
    uint32_t pending = 0;
    for (size_t i = 2; i < sleeps.size(); ++i) {
        EXPECT_LE(sleeps[i], DevicePacing::kPendingWriteStep);
        pending += sleeps[i];
    }
    EXPECT_EQ(pending, 1500u);
}

TEST_F(LinkTest, WriteRefusedAtOnceFailsAndStops)
{
    sim.SetOutputWritesFail(true);
    const std::vector<uint8_t> data(64, 7);
    ClearTrace();
    EXPECT_FALSE(link.WriteBlocks(data.data(), 64));
    EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{50, 50})); // stopped after the first block
    EXPECT_FALSE(link.WriteDpiTable(data.data(), 16));
}

TEST_F(LinkTest, UnplugInTheMiddleStopsAtTheFirstLostReport)
{
    const std::vector<uint8_t> data(512, 7);
    ASSERT_TRUE(link.SetReportRate(1));
    ClearTrace();
    sim.UnplugAfterReports(5);
    EXPECT_FALSE(link.WriteBlocks(data.data(), 512));
    EXPECT_EQ(Trace().size(), 5u);
    EXPECT_FALSE(link.SetReportRate(1));
    EXPECT_FALSE(link.OpenDevice());
    sim.Plug();
    EXPECT_TRUE(link.OpenDevice());
    EXPECT_TRUE(link.SetReportRate(1));
}

TEST_F(LinkTest, ReadsTheFirmwareVersionFromTensAndUnits)
{
    int version = 0;
    sim.SetFirmwareVersion(17);
    ASSERT_TRUE(link.ReadFirmwareVersion(version));
    EXPECT_EQ(version, 17);
    EXPECT_EQ(Trace().back().substr(0, 20), "get-feature 02800107");
}

// The window's halves: neither waits, and a reply after the link was closed and opened again
// belongs to no query.
TEST_F(LinkTest, FirmwareQueryInHalvesWaitsForNothingAndDiesWithItsLink)
{
    sim.SetFirmwareVersion(17);
    ClearTrace();
    std::optional<CUSBDriver::PendingQuery> query = link.SendFirmwareQuery();
    ASSERT_TRUE(query.has_value());
    int version = 0;
    ASSERT_TRUE(link.TakeFirmwareReply(*query, version));
    EXPECT_EQ(version, 17);
    EXPECT_TRUE(clock.Sleeps().empty());

    query = link.SendFirmwareQuery();
    ASSERT_TRUE(query.has_value());
    link.CloseDevice();
    ASSERT_TRUE(link.OpenDevice());
    version = 0;
    EXPECT_FALSE(link.TakeFirmwareReply(*query, version));
    EXPECT_EQ(version, 0);

    link.CloseDevice();
    EXPECT_FALSE(link.SendFirmwareQuery().has_value());
}

TEST(Link, CommandsOnAClosedLinkFail)
{
    FakeClock clock;
    SimulatedQx71 sim{clock};
    CUSBDriver link{sim, clock};
    const std::vector<uint8_t> data(64, 7);
    int version = 0;
    EXPECT_FALSE(link.ReadFirmwareVersion(version));
    EXPECT_FALSE(link.SetReportRate(1));
    EXPECT_FALSE(link.WriteBlocks(data.data(), 64));
    EXPECT_FALSE(link.WriteButtonTable(data.data(), 64));
    EXPECT_FALSE(link.IsOpen());
}

TEST(Link, CloseOnAnotherThreadIsSafeDuringACommandSequence)
{
    // A clock that yields so that the two threads interleave.
    class YieldingClock final : public IClock {
    public:
        void SleepMs(uint32_t) override { std::this_thread::yield(); }
        uint32_t TickMs() override { return 0; }
    } clock;
    SimulatedQx71 sim{clock};
    CUSBDriver link{sim, clock};
    ASSERT_TRUE(link.OpenDevice());
    std::atomic<bool> done{false};
    std::thread writer([&] {
        const std::vector<uint8_t> data(512, 1);
        while (link.WriteBlocks(data.data(), 512)) {
        }
        done = true;
    });
    std::this_thread::yield();
    link.CloseDevice();
    writer.join();
    EXPECT_TRUE(done);
    EXPECT_EQ(sim.OpenHandleCount(), 0u);
}

// The window's thread closes, opens and queries the link while the worker is held inside a
// wait of a command sequence (a pacing wait, a pending write). None of these calls may wait
// for the worker; and a sequence whose link was closed or opened again meanwhile sends
// nothing more.
TEST(LinkLocking, WindowCallsNeverWaitForAWorkersSequence)
{
    struct Hold {
        const char* name;
        int sleepNumber; // which wait of the button-table sequence holds the worker
        bool pendingWrites;
    };
    const Hold holds[] = {
        {"header to blocks", 1, false},
        {"after an output report", 3, false},
        {"pending write", 4, true},
    };
    enum class Call { Close, Open, Version };
    for (const Hold& hold : holds) {
        for (const Call call : {Call::Close, Call::Open, Call::Version}) {
            SCOPED_TRACE(std::string(hold.name) + " / call " +
                         std::to_string(static_cast<int>(call)));
            test::GatedClock clock;
            SimulatedQx71 sim{clock};
            std::ostringstream traceText;
            TracingHidPlatform traced{sim, traceText};
            CUSBDriver link{traced, clock};
            ASSERT_TRUE(link.OpenDevice());
            sim.SetWritesNeverComplete(hold.pendingWrites);
            std::atomic<bool> sent{false};
            std::thread worker([&] {
                int count = 0;
                clock.Arm(std::this_thread::get_id(),
                          [&count, &hold](uint32_t) { return ++count == hold.sleepNumber; });
                const std::vector<uint8_t> table(kButtonTableBytes, 1);
                sent = link.WriteButtonTable(table.data(), table.size());
            });
            ASSERT_TRUE(clock.WaitHeld());
            // The call runs on its own thread so that a wrong lock shows as a failure, not as
            // a test that hangs.
            auto done = std::async(std::launch::async, [&] {
                int version = 0;
                switch (call) {
                case Call::Close:
                    link.CloseDevice();
                    return !link.IsOpen();
                case Call::Open:
                    return link.OpenDevice();
                case Call::Version:
                    return link.ReadFirmwareVersion(version) && version == 13;
                }
                return false;
            });
            const bool finished = done.wait_for(test::kEventTimeout) == std::future_status::ready;
            const auto traceAtCall = Lines(traceText.str()).size();
            clock.Release();
            worker.join();
            ASSERT_TRUE(finished) << "the call waited for the worker's sequence";
            EXPECT_TRUE(done.get());
            if (call == Call::Version) {
                EXPECT_TRUE(sent); // a query does not disturb the sequence
            } else {
                EXPECT_FALSE(sent);
                // Nothing of the old sequence reached the link opened again.
                const auto lines = Lines(traceText.str());
                for (size_t i = traceAtCall; i < lines.size(); ++i) {
                    EXPECT_NE(lines[i].rfind("output", 0), 0u) << lines[i];
                }
            }
        }
    }
}

TEST_F(LinkTest, CancelEndsTheRunningSequenceOnlyAndTheLinkStaysOpen)
{
    // The cancel arrives during the wait between the header and the blocks.
    class CancellingClock final : public IClock {
    public:
        std::function<void()> onFirstSleep;
        std::vector<uint32_t> sleeps;
        void SleepMs(uint32_t ms) override
        {
            sleeps.push_back(ms);
            if (onFirstSleep) {
                std::exchange(onFirstSleep, nullptr)();
            }
        }
        uint32_t TickMs() override { return 0; }
    } cancelling;
    SimulatedQx71 quiet{cancelling};
    CUSBDriver cancellable{quiet, cancelling};
    ASSERT_TRUE(cancellable.OpenDevice());
    cancelling.onFirstSleep = [&] { cancellable.CancelCommands(); };
    const std::vector<uint8_t> table(kButtonTableBytes, 1);
    EXPECT_FALSE(cancellable.WriteButtonTable(table.data(), table.size()));
    EXPECT_EQ(cancelling.sleeps, (std::vector<uint32_t>{100})); // no block, no further wait
    EXPECT_TRUE(cancellable.IsOpen());
    EXPECT_TRUE(cancellable.WriteButtonTable(table.data(), table.size()));
}

// A platform whose interfaces are scripted, for the walk's skip rules.
class ScriptedHid final : public IHidPlatform {
public:
    struct Iface {
        std::string path;
        uint16_t vid, pid;
        std::optional<size_t> capsCount;
        std::optional<std::vector<HidValueCaps>> caps;
        bool openRw = true;
    };
    std::vector<Iface> ifaces;
    std::vector<std::string> opened; // "path:access"
    std::map<HidHandle, size_t> handles;
    HidHandle next = 1;

    bool Init() override { return true; }
    std::vector<std::string> EnumerateInterfaces() override
    {
        std::vector<std::string> paths;
        for (auto& i : ifaces) {
            paths.push_back(i.path);
        }
        return paths;
    }
    HidHandle Open(const std::string& path, HidAccess access) override
    {
        for (size_t i = 0; i < ifaces.size(); ++i) {
            if (ifaces[i].path == path && (access == HidAccess::Probe || ifaces[i].openRw)) {
                opened.push_back(path + ":" + std::to_string(static_cast<int>(access)));
                handles[next] = i;
                return next++;
            }
        }
        return kInvalidHidHandle;
    }
    void Close(HidHandle h) override { handles.erase(h); }
    bool GetAttributes(HidHandle h, uint16_t& v, uint16_t& p) override
    {
        v = ifaces[handles.at(h)].vid;
        p = ifaces[handles.at(h)].pid;
        return true;
    }
    std::optional<size_t> GetFeatureValueCapsCount(HidHandle h) override
    {
        return ifaces[handles.at(h)].capsCount;
    }
    std::optional<std::vector<HidValueCaps>> GetFeatureValueCaps(HidHandle h, size_t max) override
    {
        auto caps = ifaces[handles.at(h)].caps;
        if (caps && caps->size() > max) {
            caps->resize(max);
        }
        return caps;
    }
    bool SetFeature(HidHandle, const uint8_t*, size_t) override { return true; }
    // The reply's bytes from byte 1 on; byte 0 stays the report ID the caller set.
    std::vector<uint8_t> reply;
    bool GetFeature(HidHandle, uint8_t* data, size_t length) override
    {
        std::copy_n(reply.begin(), std::min(reply.size(), length - 1), data + 1);
        return true;
    }
    HidWriteResult WriteOutput(HidHandle, const uint8_t*, size_t) override
    {
        return HidWriteResult::Done;
    }
    bool WaitWriteCompletion(HidHandle, uint32_t) override { return true; }
};

TEST(LinkWalk, SkipsEveryInterfaceThatFailsATestAndTakesTheFirstThatPasses)
{
    const HidValueCaps vendor{0xFF01, 0x22, 5, 32};
    const HidValueCaps other{0xFF01, 0x21, 9, 8};
    FakeClock clock;
    ScriptedHid hid;
    const uint16_t vid = ParseHexId(QX71_VENDOR_ID_TEXT);
    const uint16_t pid = ParseHexId(QX71_PRODUCT_ID_TEXT);
    std::vector<HidValueCaps> eleven(11, other);
    eleven[10] = vendor; // beyond the ten capabilities the walk looks at
    hid.ifaces = {
        {"wrong-vendor", static_cast<uint16_t>(vid + 1), pid, 1, std::vector{vendor}},
        {"wrong-product", vid, static_cast<uint16_t>(pid + 1), 1, std::vector{vendor}},
        {"no-caps", vid, pid, std::nullopt, std::nullopt},
        {"zero-caps", vid, pid, 0, std::vector<HidValueCaps>{}},
        {"caps-fail", vid, pid, 1, std::nullopt},
        {"other-usage", vid, pid, 1, std::vector{other}},
        {"vendor-cap-too-far", vid, pid, 11, eleven},
        {"no-rw-open", vid, pid, 1, std::vector{vendor}, false},
        {"good", vid, pid, 2, std::vector{other, vendor}},
        {"second-good", vid, pid, 1, std::vector{vendor}},
    };
    CUSBDriver link{hid, clock};
    ASSERT_TRUE(link.OpenDevice());
    EXPECT_EQ(link.ReportId(), 5);
    EXPECT_EQ(link.ReportLength(), 32);
    // Every interface up to "good" was probed, "good" opened for reading and writing, nothing
    // after it looked at; every probe is closed again.
    EXPECT_EQ(hid.opened.back(), "good:2");
    EXPECT_EQ(std::count_if(hid.opened.begin(), hid.opened.end(),
                            [](const std::string& s) { return s.rfind("second-good", 0) == 0; }),
              0);
    EXPECT_EQ(hid.handles.size(), 2u);
}

TEST(LinkWalk, NoMatchingInterfaceLeavesTheLinkClosed)
{
    FakeClock clock;
    ScriptedHid hid;
    hid.ifaces = {{"mouse-without-vendor-cap", ParseHexId(QX71_VENDOR_ID_TEXT),
                   ParseHexId(QX71_PRODUCT_ID_TEXT), 1, std::vector{HidValueCaps{1, 2, 3, 4}}}};
    CUSBDriver link{hid, clock};
    EXPECT_FALSE(link.OpenDevice());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(hid.handles.empty());
}

// The firmware version is taken only from a reply to the version query: byte 1 echoes 0x80.
TEST(LinkFirmwareVersion, AReplyThatIsNotTheQuerysEchoFails)
{
    const HidValueCaps vendor{0xFF01, 0x22, 2, 64};
    struct Case {
        uint8_t echo;
        bool read;
    };
    for (const Case c : {Case{0x80, true}, Case{0x00, false}, Case{0x7F, false}, Case{0x81, false},
                         Case{0x13, false}, Case{0xFF, false}}) {
        SCOPED_TRACE(static_cast<int>(c.echo));
        FakeClock clock;
        ScriptedHid hid;
        hid.ifaces = {{"mouse", ParseHexId(QX71_VENDOR_ID_TEXT), ParseHexId(QX71_PRODUCT_ID_TEXT),
                       1, std::vector{vendor}}};
        hid.reply = {c.echo, 1, 7};
        CUSBDriver link{hid, clock};
        ASSERT_TRUE(link.OpenDevice());
        int version = -1;
        EXPECT_EQ(link.ReadFirmwareVersion(version), c.read);
        EXPECT_EQ(version, c.read ? 17 : -1);
    }
}

TEST(ParseHexId, ReadsHexDigitsLikeScanf)
{
    EXPECT_EQ(ParseHexId("F513"), 0xF513);
    EXPECT_EQ(ParseHexId("3554"), 0x3554);
    EXPECT_EQ(ParseHexId("abcd"), 0xABCD);
    EXPECT_EQ(ParseHexId("12zz"), 0x12);
    EXPECT_EQ(ParseHexId(""), 0);
}

} // namespace
} // namespace qx71
