// How long the window's thread waits on the link while the write thread runs passes with a
// macro, on the simulated mouse with real waits. The window closes the link at an unplug,
// opens it at an arrival and reads the firmware version then; none of these may wait through
// the pass's pacing or a pending write. Reports the longest wait of each call in ms (for the
// version query, less its own 50 ms between question and answer). The goal is 50 ms at most.
//
// BM_StopDuringPass: how long stopping the write thread takes when a pass is under way at
// some point of its run (the window gives the thread 500 ms when it closes).
#include "core/buttons/ButtonFunction.h"
#include "core/config/ProfileDefaults.h"
#include "core/config/WritePass.h"
#include "core/config/WriteThread.h"
#include "core/device/CUSBDriver.h"
#include "core/macro/MacroRecord.h"
#include "platform/linux/SteadyClock.h"
#include "platform/sim/SimulatedQx71.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace qx71;
using Ms = std::chrono::duration<double, std::milli>;

constexpr uint32_t kMacroId = 0x15000001;

MacroRecord LongMacro()
{
    MacroRecord m;
    m.size = kMacroRecordSize;
    m.magic = kMacroMagic;
    m.id = kMacroId;
    m.loopCount = 1;
    m.eventCount = 40;
    for (uint32_t i = 0; i < m.eventCount; ++i) {
        m.events[i] = MakeMacroEvent(i % 2 == 0 ? MacroEventKind::KeyDown : MacroEventKind::KeyUp,
                                     0x41 + i / 2);
    }
    return m;
}

// A profile whose middle button plays a macro, and the services of a pass over `link`.
struct MacroPass {
    explicit MacroPass(CUSBDriver& link, IClock& clock)
        : services{link,
                   clock,
                   nullptr,
                   nullptr,
                   [](uint32_t id) -> std::optional<MacroRecord> {
                       return id == kMacroId ? std::optional(LongMacro()) : std::nullopt;
                   },
                   {}}
    {
        profile.buttons[1].function = ToCode(ButtonFunction::Macro);
        ids[1] = kMacroId;
    }
    ProfileRecord profile = DefaultProfile(false);
    std::array<uint32_t, kProfileButtons> ids{};
    WritePassServices services;
};

template <typename F> double TimeMs(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return Ms(std::chrono::steady_clock::now() - start).count();
}

void WindowCallsDuringPasses(benchmark::State& state, bool pendingWrites)
{
    SteadyClock clock;
    SimulatedQx71 sim(clock);
    CUSBDriver link(sim, clock);
    if (!link.OpenDevice()) {
        state.SkipWithError("the simulated mouse did not open");
        return;
    }
    sim.SetWritesNeverComplete(pendingWrites);
    std::atomic<bool> running{true};
    std::atomic<int> passes{0};
    std::thread worker([&] {
        MacroPass pass(link, clock);
        while (running) {
            RunWritePass(pass.profile, pass.ids, pass.services);
            ++passes;
        }
    });
    double closeMax = 0;
    double openMax = 0;
    double versionMax = 0;
    int step = 0;
    for (auto _ : state) {
        // Land at ever other points of the pass.
        std::this_thread::sleep_for(std::chrono::milliseconds(23 + 17 * (step++ % 7)));
        int version = 0;
        versionMax = std::max(versionMax, TimeMs([&] { link.ReadFirmwareVersion(version); }) -
                                              DevicePacing::kQueryToReply);
        closeMax = std::max(closeMax, TimeMs([&] { link.CloseDevice(); }));
        openMax = std::max(openMax, TimeMs([&] { link.OpenDevice(); }));
    }
    running = false;
    worker.join();
    state.counters["close_max_ms"] = closeMax;
    state.counters["open_max_ms"] = openMax;
    state.counters["version_max_ms"] = std::max(0.0, versionMax);
    state.counters["passes"] = passes.load();
}

void BM_WindowCallsDuringPasses(benchmark::State& s)
{
    WindowCallsDuringPasses(s, false);
}
void BM_WindowCallsDuringPassesWithPendingWrites(benchmark::State& s)
{
    WindowCallsDuringPasses(s, true);
}

void BM_StopDuringPass(benchmark::State& state)
{
    SteadyClock clock;
    SimulatedQx71 sim(clock);
    CUSBDriver link(sim, clock);
    if (!link.OpenDevice()) {
        state.SkipWithError("the simulated mouse did not open");
        return;
    }
    MacroPass pass(link, clock);
    WriteThread thread(
        clock,
        [&](const std::function<void(int)>& progress, const std::function<bool()>& stopping) {
            WritePassServices run = pass.services;
            run.progress = progress;
            run.stopping = stopping;
            return RunWritePass(pass.profile, pass.ids, run);
        },
        {{}, {}, {}, [&] { link.CancelCommands(); }});
    double stopMax = 0;
    int step = 0;
    for (auto _ : state) {
        thread.Start();
        thread.RequestPass();
        // A pass with the macro takes about 3.8 s: stop it at points spread over it.
        std::this_thread::sleep_for(std::chrono::milliseconds(60 + 331 * (step++ % 11)));
        stopMax = std::max(stopMax, TimeMs([&] { thread.Stop(); }));
    }
    state.counters["stop_max_ms"] = stopMax;
}

BENCHMARK(BM_WindowCallsDuringPasses)->Iterations(60)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WindowCallsDuringPassesWithPendingWrites)
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_StopDuringPass)->Iterations(22)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
