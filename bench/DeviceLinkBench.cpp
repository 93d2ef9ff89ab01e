// Sending a button table and a macro stream to the simulated mouse with the real clock: the
// cost should be the waits the mouse needs and nothing more. Reports wall time divided by the
// sum of the required waits ("ratio").
#include "core/device/CUSBDriver.h"
#include "core/device/DeviceFormats.h"
#include "core/macro/MacroRecord.h"
#include "platform/linux/SteadyClock.h"
#include "platform/sim/SimulatedQx71.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <functional>

namespace {

using namespace qx71;

// Sleeps for real and adds up what was asked for.
class SummingClock final : public IClock {
public:
    void SleepMs(uint32_t ms) override
    {
        asked += ms;
        real.SleepMs(ms);
    }
    uint32_t TickMs() override { return real.TickMs(); }
    uint64_t asked = 0;

private:
    SteadyClock real;
};

void SendAndMeasure(benchmark::State& state, const std::function<void(CUSBDriver&)>& send)
{
    SummingClock clock;
    SimulatedQx71 sim(clock);
    CUSBDriver link(sim, clock);
    if (!link.OpenDevice()) {
        state.SkipWithError("the simulated mouse did not open");
        return;
    }
    double wallMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        send(link);
        wallMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    state.counters["floor_ms"] = static_cast<double>(clock.asked) / state.iterations();
    state.counters["ratio"] = wallMs / static_cast<double>(clock.asked);
}

void BM_ButtonTable(benchmark::State& state)
{
    ButtonTable table;
    table.slots[kSlotFixed] = kDeviceCodeSlot3;
    const auto bytes = table.Bytes();
    SendAndMeasure(state, [&](CUSBDriver& link) {
        benchmark::DoNotOptimize(link.WriteButtonTable(bytes.data(), bytes.size()));
    });
}

void BM_MacroStream(benchmark::State& state)
{
    MacroRecord macro;
    macro.loopCount = 1;
    macro.eventCount = 3;
    macro.events[0] = MakeMacroEvent(MacroEventKind::KeyDown, 0x41);
    macro.events[1] = MakeMacroEvent(MacroEventKind::Delay, 50);
    macro.events[2] = MakeMacroEvent(MacroEventKind::KeyUp, 0x41);
    SendAndMeasure(state, [&](CUSBDriver& link) {
        benchmark::DoNotOptimize(link.WriteMacroStream(1, &macro));
    });
}

BENCHMARK(BM_ButtonTable)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MacroStream)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
