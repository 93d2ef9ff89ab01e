#include "support/HookPosters.h"

#include "core/config/WritePass.h"

#include "core/buttons/ButtonFunction.h"
#include "core/config/FixedText.h"
#include "core/config/ProfileDefaults.h"
#include "core/device/CUSBDriver.h"
#include "core/hooks/HookState.h"
#include "core/hooks/IPointerSettings.h"
#include "platform/hid/TracingHidPlatform.h"
#include "platform/sim/SimulatedQx71.h"
#include "support/FakeClock.h"
#include "support/MacroFixtures.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace qx71 {
namespace {

using test::FakeClock;

std::string Feature(const std::string& payload)
{
    std::string hex = "02" + payload;
    hex.resize(130, '0');
    return "set-feature " + hex;
}

std::string Output(const std::string& data)
{
    std::string hex = "02" + data;
    hex.resize(66, '0');
    return "output " + hex;
}

struct PointerRecorder final : IPointerSettings {
    std::vector<std::string> calls;
    bool SetPrecision(bool on) override
    {
        calls.push_back("precision " + std::to_string(on));
        return true;
    }
    bool SetSpeed(int speed) override
    {
        calls.push_back("speed " + std::to_string(speed));
        return true;
    }
    bool SetWheelLines(int lines) override
    {
        calls.push_back("wheel " + std::to_string(lines));
        return false; // a refused setting does not stop the pass
    }
};

using test::NoPoster;

using test::PressAMacro;

class WritePassTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(link.OpenDevice());
        trace.str("");
        clock.ClearSleeps();
    }
    std::optional<WriteFailure> Run()
    {
        WritePassServices s{link,
                            clock,
                            &hooks,
                            &pointer,
                            [this](uint32_t id) -> std::optional<MacroRecord> {
                                const auto it = macros.find(id);
                                return it == macros.end() ? std::nullopt
                                                          : std::optional(it->second);
                            },
                            [this](int p) { progress.push_back(p); }};
        return RunWritePass(profile, macroIds, s);
    }
    std::vector<std::string> Trace() const
    {
        std::vector<std::string> lines;
        std::istringstream in(trace.str());
        for (std::string l; std::getline(in, l);) {
            lines.push_back(l);
        }
        return lines;
    }
    uint32_t Slot(size_t n) const
    {
        const auto& t = sim.GetState().buttonTable;
        return t[4 * n] | (t[4 * n + 1] << 8) | (t[4 * n + 2] << 16) |
               (uint32_t(t[4 * n + 3]) << 24);
    }

    FakeClock clock;
    SimulatedQx71 sim{clock};
    std::ostringstream trace;
    TracingHidPlatform traced{sim, trace};
    CUSBDriver link{traced, clock};
    NoPoster poster;
    HookState hooks{poster};
    PointerRecorder pointer;
    ProfileRecord profile = DefaultProfile(false);
    std::array<uint32_t, kProfileButtons> macroIds{};
    std::map<uint32_t, MacroRecord> macros;
    std::vector<int> progress;
};

TEST_F(WritePassTest, DefaultProfileSendsExactlyTheDefaultSettings)
{
    EXPECT_EQ(Run(), std::nullopt);
    const std::vector<std::string> expected = {
        Feature("12010040"),
        Output("0100f000"
               "0100f100"
               "0100f200"
               "07000300"
               "0100f400"
               "0100f300"),
        Output(std::string(48, '0') + "04000100"
                                      "04000200"),
        Feature("0c0100ff00"),
        Feature("0d01040a02"),
        Feature("11010510"),
        Output("0408268080808080"
               "0408268080808080"),
        Feature("0b0102"),
        Feature("0101"),
    };
    EXPECT_EQ(Trace(), expected);
    EXPECT_EQ(progress, (std::vector<int>{0, 7, 14, 21, 28, 35, 42, 60, 70, 80, 90, 100}));
    EXPECT_EQ(pointer.calls, (std::vector<std::string>{"precision 0", "speed 10", "wheel 3"}));
    // The pacing floor: 7 button codes, the table, lighting, DPI, and the wait before success.
    EXPECT_EQ(clock.TotalSleptMs(), 7 * 50 + (100 + 2 * 100) + (50 + 50) + 300u);
    EXPECT_TRUE(hooks.Triggers().empty());
}

TEST_F(WritePassTest, EdgeCasesOfTheButtonsDpiAndLighting)
{
    struct Case {
        const char* name;
        std::function<void(WritePassTest&)> setup;
        std::function<void(WritePassTest&)> check;
    };
    const Case cases[] = {
        {"two macro buttons take slots 1 and 2 in button order",
         [](WritePassTest& t) {
             t.profile.buttons[1].function = ToCode(ButtonFunction::Macro);
             t.profile.buttons[3].function = ToCode(ButtonFunction::Macro);
             t.macroIds[1] = 0x15000001;
             t.macroIds[3] = 0x15000002;
             t.macros[0x15000001] = PressAMacro(0x15000001);
             auto three = PressAMacro(0x15000002);
             three.eventCount = 3;
             three.events[2] = MakeMacroEvent(MacroEventKind::KeyDown, 0x42);
             t.macros[0x15000002] = three;
         },
         [](WritePassTest& t) {
             EXPECT_EQ(t.Slot(kSlotMiddle), 0x03010009u);
             EXPECT_EQ(t.Slot(kSlotForward), 0x04020009u);
             EXPECT_EQ(t.sim.GetState().macroSlots[1][2], 0x01);
             EXPECT_EQ(t.sim.GetState().macroSlots[2][7], 0x05); // B
             EXPECT_EQ(t.Trace()[0], Feature("1301010002"));
         }},
        {"a macro button whose macro is gone leaves its slot empty",
         [](WritePassTest& t) {
             t.profile.buttons[2].function = ToCode(ButtonFunction::Macro);
             t.macroIds[2] = 77;
         },
         [](WritePassTest& t) {
             EXPECT_EQ(t.Slot(kSlotRight), 0u);
             EXPECT_EQ(t.Slot(kSlotLeft), 0x00F00001u);
         }},
        {"DPI 1000, 2000, 0",
         [](WritePassTest& t) {
             t.profile.dpiStages = {1000, 2000, 0};
         },
         [](WritePassTest& t) {
             const std::array<uint8_t, 16> want = {4, 8, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80,
                                                   4, 8, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
             EXPECT_EQ(t.sim.GetState().dpiTable, want);
             EXPECT_EQ(t.sim.GetState().dpiStage, 2);
         }},
        {"DPI 800 has no code",
         [](WritePassTest& t) {
             t.profile.dpiStages = {800, 0, 0};
         },
         [](WritePassTest& t) {
             std::array<uint8_t, 16> want;
             want.fill(0x80);
             EXPECT_EQ(t.sim.GetState().dpiTable, want);
             EXPECT_EQ(t.sim.GetState().dpiStage, 0);
         }},
        {"a host action on the right button keeps its click and registers the trigger",
         [](WritePassTest& t) {
             t.profile.buttons[2].function = ToCode(ButtonFunction::HostAction);
             t.hooks.AddTrigger(0x207); // left over from an earlier pass: removed
             t.hooks.AddTrigger(0x204);
         },
         [](WritePassTest& t) {
             EXPECT_EQ(t.Slot(kSlotRight), 0x00F10001u);
             EXPECT_EQ(t.hooks.Triggers(), std::vector<uint32_t>{0x204});
         }},
        {"a key combination sends its code",
         [](WritePassTest& t) {
             t.profile.buttons[4].function = ToCode(ButtonFunction::Key);
             t.profile.buttons[4].keyCode = 0x00040100;
         },
         [](WritePassTest& t) { EXPECT_EQ(t.Slot(kSlotBack), 0x00040100u); }},
        {"lighting modes",
         [](WritePassTest& t) {
             t.profile.ledMode = 1;
             t.profile.ledBrightness = 7;
             t.profile.ledColor = 0x00563412;
         },
         [](WritePassTest& t) {
             EXPECT_EQ(t.sim.GetState().ledEffect, (std::array<uint8_t, 3>{1, 7, 1}));
             EXPECT_EQ(t.sim.GetState().ledGreen, 0x34);
         }},
        {"breathing",
         [](WritePassTest& t) {
             t.profile.ledMode = 2;
             t.profile.ledBreathSpeed = 4;
         },
         [](WritePassTest& t) {
             EXPECT_EQ(t.sim.GetState().ledEffect, (std::array<uint8_t, 3>{2, 4, 1}));
         }},
        {"mode 3", [](WritePassTest& t) { t.profile.ledMode = 3; },
         [](WritePassTest& t) {
             EXPECT_EQ(t.sim.GetState().ledEffect, (std::array<uint8_t, 3>{3, 2, 3}));
         }},
        {"mode 0 is sent as off", [](WritePassTest& t) { t.profile.ledMode = 0; },
         [](WritePassTest& t) {
             EXPECT_EQ(t.sim.GetState().ledEffect, (std::array<uint8_t, 3>{0, 0, 0}));
         }},
        {"report rate 8 and pointer precision",
         [](WritePassTest& t) {
             t.profile.reportRate = 8;
             t.profile.pointerPrecision = 1;
         },
         [](WritePassTest& t) {
             EXPECT_EQ(t.sim.GetState().reportRate, 8);
             EXPECT_EQ(t.pointer.calls.front(), "precision 1");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        profile = DefaultProfile(false);
        macroIds = {};
        macros.clear();
        pointer.calls.clear();
        for (uint32_t code : hooks.Triggers()) {
            hooks.RemoveTrigger(code);
        }
        trace.str("");
        c.setup(*this);
        ASSERT_EQ(Run(), std::nullopt);
        c.check(*this);
    }
}

// A macro that the mouse refused does not stop the pass: the button still gets the macro's
// code, and the next macro takes the next slot.
TEST_F(WritePassTest, AFailedMacroSendDoesNotStopThePass)
{
    profile.buttons[1].function = ToCode(ButtonFunction::Macro);
    macroIds[1] = 0x15000001;
    macros[0x15000001] = PressAMacro(0x15000001);
    sim.FailCommand(0x13);
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_EQ(Slot(kSlotMiddle), 0x03010009u);
    EXPECT_EQ(sim.GetState().macroSlots[1], (std::array<uint8_t, 512>{}));
    EXPECT_EQ(sim.GetState().reportRate, 1);
    EXPECT_EQ(progress.back(), 100);
}

// A function code outside the catalogue leaves its slot 0 and costs no wait.
TEST_F(WritePassTest, AFunctionOutsideTheCatalogueLeavesItsSlotEmptyWithoutAWait)
{
    for (const int32_t function : {0, 3, 7, 41, 200, -1}) {
        SCOPED_TRACE(function);
        profile = DefaultProfile(false);
        profile.buttons[4].function = function;
        clock.ClearSleeps();
        ASSERT_EQ(Run(), std::nullopt);
        EXPECT_EQ(Slot(kSlotBack), 0u);
        const auto sleeps = clock.Sleeps();
        // Six button codes of 50 ms before the table's header: one fewer than the default.
        const auto header = std::find(sleeps.begin(), sleeps.end(), 100u);
        EXPECT_EQ(std::count(sleeps.begin(), header, 50u), 6);
    }
}

// Waits and reports in one log, in the order they happen: a wait moved from before a report
// to after it shows.
TEST(WritePassPacing, WaitsAndReportsInterleaveAsTheMouseNeeds)
{
    std::ostringstream log;
    class LoggingClock final : public IClock {
    public:
        explicit LoggingClock(std::ostringstream& out) : out_(out) {}
        void SleepMs(uint32_t ms) override { out_ << "sleep " << ms << "\n"; }
        uint32_t TickMs() override { return 0; }

    private:
        std::ostringstream& out_;
    } clock{log};
    SimulatedQx71 sim{clock};
    TracingHidPlatform traced{sim, log};
    CUSBDriver link{traced, clock};
    ASSERT_TRUE(link.OpenDevice());
    log.str("");
    ProfileRecord profile = DefaultProfile(false);
    profile.buttons[1].function = ToCode(ButtonFunction::Macro);
    std::array<uint32_t, kProfileButtons> ids{};
    ids[1] = 0x15000001;
    WritePassServices s{link,
                        clock,
                        nullptr,
                        nullptr,
                        [](uint32_t id) -> std::optional<MacroRecord> { return PressAMacro(id); },
                        {}};
    ASSERT_EQ(RunWritePass(profile, ids, s), std::nullopt);
    std::vector<std::string> kinds;
    std::istringstream in(log.str());
    for (std::string line; std::getline(in, line);) {
        // A wait as it is, a feature report by its command, an output report by its kind.
        kinds.push_back(line.rfind("sleep", 0) == 0    ? line
                        : line.rfind("output", 0) == 0 ? std::string("output")
                                                       : line.substr(0, line.find(' ') + 5));
    }
    std::vector<std::string> expected = {"sleep 50"}; // left button's code
    expected.push_back("set-feature 0213");           // macro header (middle button)
    expected.push_back("sleep 100");
    for (int block = 0; block < 16; ++block) {
        expected.insert(expected.end(), {"sleep 50", "output", "sleep 50"});
    }
    expected.insert(expected.end(), {"sleep 50", "sleep 50"}); // after the macro, its code
    for (int button = 2; button < 7; ++button) {
        expected.push_back("sleep 50");
    }
    expected.insert(expected.end(), {"set-feature 0212", "sleep 100"});
    for (int block = 0; block < 2; ++block) {
        expected.insert(expected.end(), {"sleep 50", "output", "sleep 50"});
    }
    expected.insert(expected.end(),
                    {"set-feature 020c", "set-feature 020d", "set-feature 0211", "sleep 50",
                     "output", "sleep 50", "set-feature 020b", "set-feature 0201", "sleep 300"});
    EXPECT_EQ(kinds, expected);
}

TEST_F(WritePassTest, FirstFailingCheckedCommandStopsThePass)
{
    const std::pair<uint8_t, WriteFailure> cases[] = {
        {0x12, WriteFailure::ButtonTable},
        {0x0C, WriteFailure::LedColor},
        {0x0D, WriteFailure::LedEffect},
        {0x11, WriteFailure::DpiTable},
    };
    for (const auto& [command, failure] : cases) {
        SimulatedQx71 faulty{clock};
        CUSBDriver faultyLink{faulty, clock};
        ASSERT_TRUE(faultyLink.OpenDevice());
        faulty.FailCommand(command);
        WritePassServices s{faultyLink, clock, nullptr, &pointer, {}, {}};
        pointer.calls.clear();
        EXPECT_EQ(RunWritePass(profile, macroIds, s), failure);
        EXPECT_TRUE(pointer.calls.empty()); // later steps are not done
        EXPECT_EQ(faulty.GetState().reportRate, 0);
    }
    // The dpi stage and report rate are not checked.
    SimulatedQx71 lenient{clock};
    CUSBDriver lenientLink{lenient, clock};
    ASSERT_TRUE(lenientLink.OpenDevice());
    lenient.FailCommand(0x0B);
    lenient.FailCommand(0x01);
    WritePassServices s{lenientLink, clock, nullptr, nullptr, {}, {}};
    EXPECT_EQ(RunWritePass(profile, macroIds, s), std::nullopt);
}

TEST_F(WritePassTest, UnplugInTheMiddleIsTheFailureOfTheNextCheckedCommand)
{
    sim.UnplugAfterReports(3); // the table header and both blocks reach it, the colour not
    EXPECT_EQ(Run(), WriteFailure::LedColor);
    EXPECT_EQ(WriteFailureText(WriteFailure::LedColor), "Write mouse LED color failed.\n");
}

} // namespace
} // namespace qx71
