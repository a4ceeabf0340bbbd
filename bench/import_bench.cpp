// Importing the installed FreeDict Swedish-English dictionary into a fresh
// lexicon folder, the whole command: reading and unpacking, building the
// letter files, writing them and bringing them to disk once. Reading alone is
// measured beside it for comparison.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "large_lexicon.h"
#include "lexicon/dictd_import.h"
#include "lexicon/dictd_reader.h"

namespace {

namespace fs = std::filesystem;

const char* const kDictionary = "/usr/share/dictd/freedict-swe-eng";

void BM_ReadDictionary(benchmark::State& state) {
    for (auto _ : state) {
        const vernik::DictdReadResult read = vernik::readDictd(kDictionary);
        if (!read.ok()) state.SkipWithError(read.error.c_str());
        benchmark::DoNotOptimize(read.dictionary.entries.size());
    }
}
BENCHMARK(BM_ReadDictionary)->Unit(benchmark::kMillisecond);

void BM_ImportDictionary(benchmark::State& state) {
    const fs::path folder = vernik::bench::freshFolder("vernik-bench-import");
    const fs::path lexicon = folder / "sven";
    for (auto _ : state) {
        const vernik::DictdImportResult result = vernik::importDictd(kDictionary, lexicon);
        if (!result.ok()) state.SkipWithError(result.error.c_str());
        state.PauseTiming();
        fs::remove_all(lexicon);
        state.ResumeTiming();
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_ImportDictionary)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!fs::exists(std::string(kDictionary) + ".index")) {
        std::printf("skipped: %s is not installed (Debian package dict-freedict-swe-eng)\n",
                    kDictionary);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
