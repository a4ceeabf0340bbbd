// The lookup runs on every keystroke and reads its letter file afresh each
// time. This compares the lookup of the last headword of two large letter
// files with a plain read() of the same file: 200,000 headwords with one
// alternative each (about 5 MB), and about 7 MB of headwords with one to four
// alternatives each.
#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "large_lexicon.h"
#include "lexicon/headword_scan.h"

namespace {

struct LargeFile {
    LargeFile(const std::string& name, const vernik::bench::LargeAltFileShape& shape)
        : folder(vernik::bench::freshFolder(name)),
          lastWord(vernik::bench::writeLargeAltFile(folder, shape)),
          file(folder / "Balt.lex") {}
    std::filesystem::path folder;
    std::string lastWord;
    std::filesystem::path file;
};

const LargeFile& largeFile(int which) {
    static const LargeFile oneAlternative("vernik-bench-lookup", {});
    static const LargeFile manyAlternatives(
        "vernik-bench-lookup-7mb",
        {.headwords = 106000, .fewestAlternatives = 1, .mostAlternatives = 4});
    return which == 0 ? oneAlternative : manyAlternatives;
}

void BM_PlainRead(benchmark::State& state) {
    const auto& large = largeFile(static_cast<int>(state.range(0)));
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
BENCHMARK(BM_PlainRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LookupLastHeadword(benchmark::State& state) {
    const auto& large = largeFile(static_cast<int>(state.range(0)));
    vernik::AltTable table;
    for (auto _ : state) {
        vernik::scanAltFile({.word = large.lastWord, .altFile = large.file}, table);
        benchmark::DoNotOptimize(table.AltCount);
    }
    if (table.slot(1) != "." + large.lastWord) state.SkipWithError("wrong headword found");
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(large.file)));
}
BENCHMARK(BM_LookupLastHeadword)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
