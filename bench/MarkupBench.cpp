// The markup reader against pugixml: a shipped language file and a generated 5 MB document,
// loaded from memory by both in the same run; and a language load with its 107 lookups, from
// disk, as the program does it.
#include "core/i18n/LoadUiStrings.h"
#include "core/i18n/UiStrings.h"
#include "core/markup/MarkupDocument.h"
#include "core/markup/SharedMarkupDocument.h"
#include "platform/linux/IconvTextCodec.h"
#include "platform/linux/PosixFileSystem.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::string kLanguageDir = QX71_BENCH_LANGUAGE_DIR;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// About 5 MB of the kind of XML the reader meets, with attributes, entities, comments and
// CDATA, and some non-ASCII text.
const std::string& LargeDocument()
{
    static const std::string doc = [] {
        constexpr size_t kTarget = 5 * 1024 * 1024;
        std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalog>\n";
        for (size_t section = 0; out.size() < kTarget; ++section) {
            out += "  <config id=\"" + std::to_string(section) + "\" kind=\"language\">\n";
            for (int item = 0; item < 100; ++item) {
                const std::string name = "str_item" + std::to_string(item);
                out += "    <" + name + " index='" + std::to_string(item) + "'>";
                switch (item % 4) {
                case 0:
                    out += "Save &amp; apply the settings of profile " + std::to_string(item);
                    break;
                case 1:
                    out += "R\xC3\xA9glages du bouton <!-- translator's note --> num\xC3\xA9ro " +
                           std::to_string(item);
                    break;
                case 2:
                    out += "\xE6\x8C\x89\xE9\x94\xAE\xE8\xAE\xBE\xE7\xBD\xAE &#x4E2D;&#65;";
                    break;
                default:
                    out += "<![CDATA[Raw <text> & more]]>";
                    break;
                }
                out += "</" + name + ">\n";
            }
            out += "  </config>\n";
        }
        return out + "</catalog>\n";
    }();
    return doc;
}

std::span<const uint8_t> Bytes(const std::string& s)
{
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

void OursFromMemory(benchmark::State& state, const std::string& bytes)
{
    qx71::PosixFileSystem files;
    qx71::IconvTextCodec codec;
    qx71::MarkupDocument doc(files, codec);
    for (auto _ : state) {
        const bool ok = doc.LoadBytes(Bytes(bytes));
        benchmark::DoNotOptimize(ok);
        if (!ok) {
            state.SkipWithError("not well formed");
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void PugixmlFromMemory(benchmark::State& state, const std::string& bytes)
{
    for (auto _ : state) {
        pugi::xml_document doc;
        const auto result = doc.load_buffer(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(result.status);
        if (!result) {
            state.SkipWithError("pugixml failed");
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_Ours_LanguageFile_en(benchmark::State& state)
{
    OursFromMemory(state, ReadFile(kLanguageDir + "/en.xml"));
}
void BM_Pugixml_LanguageFile_en(benchmark::State& state)
{
    PugixmlFromMemory(state, ReadFile(kLanguageDir + "/en.xml"));
}
void BM_Ours_LanguageFile_tw_utf16(benchmark::State& state)
{
    OursFromMemory(state, ReadFile(kLanguageDir + "/tw.xml"));
}
void BM_Pugixml_LanguageFile_tw_utf16(benchmark::State& state)
{
    PugixmlFromMemory(state, ReadFile(kLanguageDir + "/tw.xml"));
}
void BM_Ours_Generated5MB(benchmark::State& state)
{
    OursFromMemory(state, LargeDocument());
}
void BM_Pugixml_Generated5MB(benchmark::State& state)
{
    PugixmlFromMemory(state, LargeDocument());
}

// What a language change costs: read the file, decode, parse, 107 lookups.
void LoadUiStringsFromDisk(benchmark::State& state, const std::string& file)
{
    qx71::PosixFileSystem files;
    qx71::IconvTextCodec codec;
    qx71::SharedMarkupDocument shared(files, codec);
    qx71::UiStrings strings;
    const std::string path = kLanguageDir + "/" + file;
    for (auto _ : state) {
        const auto result = qx71::LoadUiStrings(shared, path, strings);
        benchmark::DoNotOptimize(result.wellFormed);
    }
    if (strings.Get("str_firmware_version").empty()) {
        state.SkipWithError("texts missing");
    }
}
void BM_LoadUiStrings_en(benchmark::State& state)
{
    LoadUiStringsFromDisk(state, "en.xml");
}
void BM_LoadUiStrings_tw_utf16(benchmark::State& state)
{
    LoadUiStringsFromDisk(state, "tw.xml");
}

} // namespace

BENCHMARK(BM_Ours_LanguageFile_en)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pugixml_LanguageFile_en)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ours_LanguageFile_tw_utf16)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pugixml_LanguageFile_tw_utf16)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ours_Generated5MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pugixml_Generated5MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadUiStrings_en)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadUiStrings_tw_utf16)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
