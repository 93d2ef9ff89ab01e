// A whole write pass against the simulated mouse. With the real clock: wall time divided by
// the waits the pass prescribes ("ratio"). With a clock that does not sleep: what the pass
// costs besides its waits.
#include "core/buttons/ButtonFunction.h"
#include "core/config/ProfileDefaults.h"
#include "core/config/WritePass.h"
#include "core/device/CUSBDriver.h"
#include "platform/linux/SteadyClock.h"
#include "platform/sim/SimulatedQx71.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

namespace {

using namespace qx71;

class SummingClock final : public IClock {
public:
    explicit SummingClock(bool sleep) : sleep_(sleep) {}
    void SleepMs(uint32_t ms) override
    {
        asked += ms;
        if (sleep_) {
            real_.SleepMs(ms);
        }
    }
    uint32_t TickMs() override { return real_.TickMs(); }
    uint64_t asked = 0;

private:
    bool sleep_;
    SteadyClock real_;
};

MacroRecord Macro(uint32_t id, uint32_t events)
{
    MacroRecord m;
    m.size = kMacroRecordSize;
    m.magic = kMacroMagic;
    m.id = id;
    m.loopCount = 1;
    m.eventCount = events;
    for (uint32_t i = 0; i < events; ++i) {
        m.events[i] = MakeMacroEvent(i % 2 == 0 ? MacroEventKind::KeyDown : MacroEventKind::KeyUp,
                                     0x41 + (i / 2) % 26);
    }
    return m;
}

void RunPasses(benchmark::State& state, bool withMacros, bool realWaits)
{
    SummingClock clock(realWaits);
    SimulatedQx71 sim(clock);
    CUSBDriver link(sim, clock);
    if (!link.OpenDevice()) {
        state.SkipWithError("the simulated mouse did not open");
        return;
    }
    ProfileRecord profile = DefaultProfile(false);
    std::array<uint32_t, kProfileButtons> ids{};
    std::map<uint32_t, MacroRecord> macros;
    if (withMacros) {
        for (size_t button : {size_t{1}, size_t{3}}) {
            profile.buttons[button].function = ToCode(ButtonFunction::Macro);
            ids[button] = 0x15000000 + static_cast<uint32_t>(button);
            macros[ids[button]] = Macro(ids[button], 40);
        }
    }
    WritePassServices services{link,
                               clock,
                               nullptr,
                               nullptr,
                               [&](uint32_t id) -> std::optional<MacroRecord> {
                                   const auto it = macros.find(id);
                                   return it == macros.end() ? std::nullopt
                                                             : std::optional(it->second);
                               },
                               {}};
    double wallMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(RunWritePass(profile, ids, services));
        wallMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    const double floorMs =
        static_cast<double>(clock.asked) / static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floorMs;
    if (realWaits) {
        state.counters["ratio"] = wallMs / static_cast<double>(clock.asked);
    } else {
        state.counters["us_besides_waits"] =
            1000.0 * wallMs / static_cast<double>(state.iterations());
    }
}

void BM_DefaultPass(benchmark::State& s)
{
    RunPasses(s, false, true);
}
void BM_TwoMacroPass(benchmark::State& s)
{
    RunPasses(s, true, true);
}
void BM_DefaultPassWithoutWaits(benchmark::State& s)
{
    RunPasses(s, false, false);
}
void BM_TwoMacroPassWithoutWaits(benchmark::State& s)
{
    RunPasses(s, true, false);
}

BENCHMARK(BM_DefaultPass)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TwoMacroPass)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefaultPassWithoutWaits)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TwoMacroPassWithoutWaits)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
