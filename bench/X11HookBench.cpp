// The X11 hook path under a burst of injected clicks: how many events per second reach the
// hook procedures, and how long each takes from leaving the injecting client to arriving at
// the sink on the owner's thread (median and 99th percentile). Needs a display: run it under
// tests/platform/x11/with-xvfb.sh.
#include <benchmark/benchmark.h>

#include "platform/x11/X11TestSupport.h"

#include "platform/linux/X11InputHooks.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using namespace qx71;
using Clock = std::chrono::steady_clock;

constexpr unsigned kButton = 2;

class TimingSink final : public IInputEventSink {
public:
    void OnMouseInput(const MouseInput&) override { arrived.push_back(Clock::now()); }
    void OnKeyInput(const KeyInput&) override {}
    std::vector<Clock::time_point> arrived;
};

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(p * static_cast<double>(values.size() - 1));
    return values[index];
}

struct Figures {
    std::vector<double> latencies;
    double events = 0;
    double seconds = 0;

    void Add(const std::vector<Clock::time_point>& sent,
             const std::vector<Clock::time_point>& arrived)
    {
        for (size_t i = 0; i < sent.size(); ++i) {
            latencies.push_back(
                std::chrono::duration<double, std::micro>(arrived[i] - sent[i]).count());
        }
        events += static_cast<double>(sent.size());
        seconds += std::chrono::duration<double>(arrived.back() - sent.front()).count();
    }
    void Report(benchmark::State& state) const
    {
        if (latencies.empty()) {
            return;
        }
        state.counters["events_per_s"] = events / seconds;
        state.counters["median_us"] = Percentile(latencies, 0.5);
        state.counters["p99_us"] = Percentile(latencies, 0.99);
    }
};

// `clicks` presses and releases; with `burst` they are sent as fast as the injecting client
// can, from its own thread, while this (the owner's) thread runs the posted events. Without,
// each event waits for the previous one to arrive: the latency of the path alone.
void RunClicks(benchmark::State& state, bool burst)
{
    const auto clicks = static_cast<size_t>(state.range(0));
    test::TaskQueue queue;
    TimingSink sink;
    X11InputHooks hooks(queue.Poster());
    test::XTestInjector injector;
    if (!injector.Ok() || !hooks.Install(sink)) {
        state.SkipWithError("no X display with XInput2 and XTest");
        return;
    }
    auto send = [&](bool press, std::vector<Clock::time_point>& sent) {
        XTestFakeButtonEvent(injector.display(), kButton, press ? True : False, CurrentTime);
        sent.push_back(Clock::now());
        injector.Flush();
    };
    Figures figures;
    std::vector<Clock::time_point> sent;
    for (auto _ : state) {
        sink.arrived.clear();
        sent.clear();
        bool delivered = true;
        if (burst) {
            std::thread injecting([&] {
                for (size_t i = 0; i < clicks; ++i) {
                    send(true, sent);
                    send(false, sent);
                }
            });
            delivered = queue.RunUntil([&] { return sink.arrived.size() >= 2 * clicks; });
            injecting.join();
        } else {
            for (size_t i = 0; i < 2 * clicks && delivered; ++i) {
                send(i % 2 == 0, sent);
                delivered = queue.RunUntil([&] { return sink.arrived.size() > i; });
            }
        }
        if (!delivered) {
            state.SkipWithError("events lost");
            return;
        }
        figures.Add(sent, sink.arrived);
    }
    figures.Report(state);
}

void BM_X11HookBurst(benchmark::State& state)
{
    RunClicks(state, true);
}
BENCHMARK(BM_X11HookBurst)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_X11HookOneAtATime(benchmark::State& state)
{
    RunClicks(state, false);
}
BENCHMARK(BM_X11HookOneAtATime)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
