// The lexicon reversal of a generated lexicon of 100,000 headwords (1 to 3
// alternatives each, every letter) and the insertion of a 20,000-line word
// list into it, each against copying the same folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "large_lexicon.h"
#include "lexicon/letter_files.h"
#include "maintenance/lexicon_reversal.h"
#include "maintenance/list_insertion.h"
#include "platform/files.h"

namespace {

namespace fs = std::filesystem;

constexpr int kHeadwords = 100000;
constexpr int kListLines = 20000;

std::string randomWord(std::mt19937& random, char first) {
    static const std::string letters = "abcdefghijklmnopqrstuvwxyz";
    std::string word(1, first);
    const int length = std::uniform_int_distribution<int>(3, 9)(random);
    for (int i = 0; i < length; ++i) word += letters[random() % letters.size()];
    return word;
}

// A lexicon of `kHeadwords` headwords spread over A to Z.
fs::path makeSource(const fs::path& folder) {
    std::mt19937 random(7);
    const fs::path source = folder / "source";
    fs::create_directories(source);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::vector<std::string> heads;
        for (int i = 0; i < kHeadwords / 26; ++i)
            heads.push_back("." + randomWord(random, static_cast<char>(letter + 32)));
        std::sort(heads.begin(), heads.end());
        heads.erase(std::unique(heads.begin(), heads.end()), heads.end());
        std::vector<std::string> lines{std::string(".") + letter, std::string(1, letter)};
        for (const auto& head : heads) {
            lines.push_back(head);
            for (int a = 1 + static_cast<int>(random() % 3); a > 0; --a) {
                lines.push_back(randomWord(random, static_cast<char>('a' + random() % 26)));
            }
        }
        lines.push_back(vernik::sentinelLine(letter));
        lines.emplace_back(vernik::kSentinelFollower);
        std::ofstream(vernik::letterFileName(source.string(), "", letter, vernik::LetterKind::Alt),
                      std::ios::binary)
            << vernik::joinLinesCrLf(lines);
    }
    return source;
}

fs::path makeList(const fs::path& folder) {
    std::mt19937 random(11);
    const fs::path list = folder / "list.txt";
    std::ofstream out(list, std::ios::binary);
    for (int i = 0; i < kListLines; ++i) {
        out << randomWord(random, static_cast<char>('a' + random() % 26)) << "      /"
            << randomWord(random, 'x') << "/" << randomWord(random, 'y') << "\r\n";
    }
    return list;
}

struct Fixture {
    fs::path folder = vernik::bench::freshFolder("vernik-bench-word-list");
    fs::path source = makeSource(folder);
    fs::path list = makeList(folder);
    ~Fixture() { fs::remove_all(folder); }
};

Fixture& fixture() {
    static Fixture shared;
    return shared;
}

void BM_CopyLexiconFolder(benchmark::State& state) {
    const fs::path copy = fixture().folder / "copy";
    for (auto _ : state) {
        fs::copy(fixture().source, copy);
        state.PauseTiming();
        fs::remove_all(copy);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CopyLexiconFolder)->Unit(benchmark::kMillisecond);

void BM_ReverseLexicon(benchmark::State& state) {
    const fs::path destination = fixture().folder / "reversed";
    for (auto _ : state) {
        const auto report = vernik::reverseLexicon(
            {.sourceFolder = fixture().source.string(), .destinationFolder = destination.string()});
        if (!report.error.empty()) state.SkipWithError(report.error.c_str());
        state.PauseTiming();
        fs::remove_all(destination);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReverseLexicon)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_InsertWordList(benchmark::State& state) {
    const fs::path lexicon = fixture().folder / "inserted";
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy(fixture().source, lexicon);
        state.ResumeTiming();
        const auto report = vernik::insertWordList(fixture().list.string(), lexicon.string(), true);
        if (!report.error.empty()) state.SkipWithError(report.error.c_str());
        state.PauseTiming();
        fs::remove_all(lexicon);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertWordList)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
