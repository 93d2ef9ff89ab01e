// The cost of reading the profiles at start and of one atomic profile save (fsync included).
#include "core/app/SeedFiles.h"
#include "core/common/IMessageSink.h"
#include "core/config/ConfigStore.h"
#include "core/i18n/UiStrings.h"
#include "platform/linux/PosixFileSystem.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>

namespace qx71 {
namespace {

class NullSink final : public IMessageSink {
public:
    void Show(const UserMessage&) override {}
};

// A DataDir seeded as on a first start, removed afterwards.
class SeededDataDir {
public:
    SeededDataDir()
    {
        path_ = std::filesystem::temp_directory_path() /
                ("qx71-bench-" + std::to_string(std::random_device{}()));
        for (const SeedFile& file : BuildSeedFiles()) {
            const std::filesystem::path target = path_ / file.relativePath;
            std::filesystem::create_directories(target.parent_path());
            std::ofstream(target, std::ios::binary)
                .write(reinterpret_cast<const char*>(file.bytes.data()),
                       static_cast<std::streamsize>(file.bytes.size()));
        }
    }
    ~SeededDataDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void BM_LoadDirectory(benchmark::State& state)
{
    SeededDataDir data;
    PosixFileSystem files;
    NullSink sink;
    UiStrings strings;
    ConfigStore store(files, sink, strings, data.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.LoadDirectory());
    }
}
BENCHMARK(BM_LoadDirectory)->Unit(benchmark::kMicrosecond);

void BM_SaveCurrentProfileAtomic(benchmark::State& state)
{
    SeededDataDir data;
    PosixFileSystem files;
    NullSink sink;
    UiStrings strings;
    ConfigStore store(files, sink, strings, data.path());
    if (!store.LoadDirectory()) {
        state.SkipWithError("the seeded profiles did not load");
        return;
    }
    for (auto _ : state) {
        store.CurrentProfile().pointerSpeed ^= 1;
        benchmark::DoNotOptimize(store.SaveCurrentProfile());
    }
}
BENCHMARK(BM_SaveCurrentProfileAtomic)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qx71

BENCHMARK_MAIN();
