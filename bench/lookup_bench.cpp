// The lookup runs on every keystroke and reads its letter file afresh each
// time. This compares the lookup of the last headword of a 200,000-headword
// letter file with a plain read() of the same file.
#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "large_lexicon.h"
#include "lexicon/headword_scan.h"

namespace {

struct LargeFile {
    std::filesystem::path folder = vernik::bench::freshFolder("vernik-bench-lookup");
    std::string lastWord = vernik::bench::writeLargeAltFile(folder, 200000);
    std::filesystem::path file = folder / "Balt.lex";
};

const LargeFile& largeFile() {
    static const LargeFile file;
    return file;
}

void BM_PlainRead(benchmark::State& state) {
    const auto& large = largeFile();
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        const int fd = ::open(large.file.c_str(), O_RDONLY);
        std::size_t total = 0;
        for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;) total += got;
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(large.file)));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_LookupLastHeadword(benchmark::State& state) {
    const auto& large = largeFile();
    vernik::AltTable table;
    for (auto _ : state) {
        vernik::scanAltFile({.word = large.lastWord, .altFile = large.file}, table);
        benchmark::DoNotOptimize(table.AltCount);
    }
    if (table.slot(1) != "." + large.lastWord) state.SkipWithError("wrong headword found");
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(large.file)));
}
BENCHMARK(BM_LookupLastHeadword)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
