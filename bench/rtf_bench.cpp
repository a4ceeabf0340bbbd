// Reading a rich-text file with a large font table: each font switch and each
// non-ASCII byte of the text asks for the current font's code page, so the
// reader must find a font by its number without walking the table. The file
// has N fonts (the argument) and about 1 MB in all; the time should grow with
// N in step, not with its square.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

namespace {

constexpr std::size_t kFileSize = 1 << 20;

// Fonts alternate between Western and Cyrillic, so the text's bytes are read
// in both code pages; the body switches font every few characters.
std::string manyFontsFile(int fontCount) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (int f = 0; f < fontCount; ++f) {
        rtf += "{\\f" + std::to_string(f) + "\\fnil\\fcharset" + (f % 2 ? "204" : "0") + " Font " +
               std::to_string(f) + ";}";
    }
    rtf += "}\r\n";
    for (int f = 0; rtf.size() < kFileSize; f = (f + 7919) % fontCount) {
        rtf += "\\f" + std::to_string(f) + " ord \\'e5\\'e4\\'f6 text";
        if (f % 16 == 0) rtf += "\\par\r\n";
    }
    rtf += "}";
    return rtf;
}

void BM_ReadManyFonts(benchmark::State& state) {
    const std::string file = manyFontsFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const vernik::RtfDocument doc = vernik::readRtf(file);
        benchmark::DoNotOptimize(doc.paragraphs.data());
        if (doc.fonts.size() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("fonts lost");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_ReadManyFonts)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

// Read, write and read again: what opening, saving and reopening does.
void BM_RoundTripManyFonts(benchmark::State& state) {
    const std::string file = manyFontsFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const vernik::RtfDocument again = vernik::readRtf(vernik::writeRtf(vernik::readRtf(file)));
        benchmark::DoNotOptimize(again.paragraphs.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_RoundTripManyFonts)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
