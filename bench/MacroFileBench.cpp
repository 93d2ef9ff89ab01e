// Reading and atomically rewriting the full Macro.cfg (500 records, 2,052,000 bytes): the
// whole file is rewritten on every change made on the macro page.
#include "core/common/IMessageSink.h"
#include "core/i18n/UiStrings.h"
#include "core/macro/MacroLibrary.h"
#include "platform/linux/PosixFileSystem.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace {

using namespace qx71;

class NullSink final : public IMessageSink {
public:
    void Show(const UserMessage&) override {}
};

class MacroFileFixture {
public:
    MacroFileFixture()
    {
        std::random_device seed;
        dir_ =
            std::filesystem::temp_directory_path() / ("qx71-macro-bench-" + std::to_string(seed()));
        std::filesystem::create_directories(dir_);
        library_ = std::make_unique<MacroLibrary>(fs_, sink_, strings_, dir_ / kMacroFileName);
        // A full table: 500 macros of 1000 events each, written once and read back.
        MacroTable table;
        for (uint32_t i = 0; i < kMacroTableSlots; ++i) {
            MacroRecord r;
            r.size = kMacroRecordSize;
            r.magic = kMacroMagic;
            r.id = MakeMacroId(21, i + 1);
            r.loopCount = 1;
            r.eventCount = kMacroMaxEvents;
            for (size_t e = 0; e < kMacroMaxEvents; ++e) {
                r.events[e] = MakeMacroEvent(MacroEventKind::Delay, static_cast<uint32_t>(e));
            }
            SetMacroName(r, u"bench");
            table.Put(r);
        }
        fs_.WriteFileAtomic(dir_ / kMacroFileName, table.WriteImage());
        library_->LoadMacroFile();
    }
    ~MacroFileFixture() { std::filesystem::remove_all(dir_); }
    MacroLibrary& Library() { return *library_; }

private:
    std::filesystem::path dir_;
    PosixFileSystem fs_;
    NullSink sink_;
    UiStrings strings_;
    std::unique_ptr<MacroLibrary> library_;
};

void BM_LoadMacroFile(benchmark::State& state)
{
    MacroFileFixture fixture;
    for (auto _ : state) {
        if (!fixture.Library().LoadMacroFile()) {
            state.SkipWithError("LoadMacroFile failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kMacroFileBytes);
}
BENCHMARK(BM_LoadMacroFile)->Unit(benchmark::kMillisecond);

void BM_SaveMacroFileAtomic(benchmark::State& state)
{
    MacroFileFixture fixture;
    for (auto _ : state) {
        if (fixture.Library().SaveMacroFile() != FileError::None) {
            state.SkipWithError("SaveMacroFile failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kMacroFileBytes);
}
BENCHMARK(BM_SaveMacroFileAtomic)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
