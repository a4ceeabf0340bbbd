// The text check runs one or two full lookups per word and the new-word
// listing one per headword. Over a lexicon of 100,000 headwords (29 letter
// files, about 3,450 headwords each with one to three alternatives, one in
// twenty marked new), this times the check of a text of 30,000 words and the
// listing, each with the letter files held in memory and with every lookup
// reading its file afresh. Both ways must give the same output; the run
// stops when they do not.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>

#include "large_lexicon.h"
#include "lexicon/letter_files.h"
#include "maintenance/input_box_lookup.h"
#include "maintenance/new_words.h"
#include "maintenance/text_check.h"
#include "platform/files.h"

namespace {

using vernik::InputBoxLookup;

constexpr int kHeadwords = 100000;
constexpr int kTextWords = 30000;
constexpr std::string_view kInitials = "abcdefghijklmnopqrstuvwxyz\xE5\xE4\xF6";
constexpr std::string_view kLetters = "abcdefghijklmnoprstuvy\xE5\xE4\xF6";

struct Corpus {
    std::filesystem::path folder;
    std::vector<std::string> words;      // every headword
    std::vector<std::string> textLines;  // the text to check
};

std::string randomWord(std::mt19937& random, char initial) {
    std::string word(1, initial);
    for (int n = 2 + static_cast<int>(random() % 8); n > 0; --n) {
        word += kLetters[random() % kLetters.size()];
    }
    return word;
}

const Corpus& corpus() {
    static const Corpus built = [] {
        Corpus c;
        c.folder = vernik::bench::freshFolder("vernik-bench-lexicon-tools");
        std::mt19937 random(11);
        const int perLetter = kHeadwords / static_cast<int>(kInitials.size()) + 1;
        for (char initial : kInitials) {
            std::set<std::string> words;
            while (static_cast<int>(words.size()) < perLetter)
                words.insert(randomWord(random, initial));
            const char letter = vernik::initialLetter(std::string(1, initial));
            std::vector<std::string> lines = {std::string(".") + letter, std::string(1, letter)};
            for (const auto& word : words) {
                lines.push_back("." + word);
                for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n) {
                    lines.push_back((random() % 20 == 0 ? "\xA4" : "") + randomWord(random, 'e'));
                }
                c.words.push_back(word);
            }
            lines.insert(lines.end(), {vernik::sentinelLine(letter), "Filslutsindikering"});
            const auto written = vernik::writeFileReplacing(
                vernik::letterFileName(c.folder.string(), "", letter, vernik::LetterKind::Alt),
                vernik::joinLinesCrLf(lines));
            if (!written.ok()) std::abort();
        }
        // Headwords, some capitalised, and one word in five unknown.
        std::string line;
        for (int i = 0; i < kTextWords; ++i) {
            std::string word = random() % 5 == 0 ? randomWord(random, kInitials[random() % 26])
                                                 : c.words[random() % c.words.size()];
            if (random() % 10 == 0) word[0] = vernik::upperCaseAscii(word[0]);
            line += word + (random() % 8 == 0 ? ". " : " ");
            if (i % 12 == 11) {
                c.textLines.push_back(line);
                line.clear();
            }
        }
        c.textLines.push_back(line);
        return c;
    }();
    return built;
}

std::vector<std::string> checkText(bool keepFiles) {
    InputBoxLookup lookup(corpus().folder.string(), {.keepFiles = keepFiles});
    return vernik::checkText(corpus().textLines, lookup);
}

std::vector<std::string> listNewWords(bool keepFiles) {
    InputBoxLookup lookup(corpus().folder.string(), {.keepFiles = keepFiles});
    return vernik::listNewWords(corpus().folder.string(), lookup);
}

template <typename Run>
void expectSameOutput(const char* what, Run run) {
    const auto inMemory = run(true);
    const auto perLookup = run(false);
    if (inMemory != perLookup) {
        std::fprintf(stderr, "%s: the two ways differ\n", what);
        std::abort();
    }
    std::fprintf(stderr, "%s: %zu lines, the same both ways\n", what, inMemory.size());
}

void BM_TextCheck(benchmark::State& state) {
    const bool keepFiles = state.range(0) == 1;
    if (keepFiles) expectSameOutput("text check", checkText);
    for (auto _ : state) benchmark::DoNotOptimize(checkText(keepFiles));
}
BENCHMARK(BM_TextCheck)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_NewWords(benchmark::State& state) {
    const bool keepFiles = state.range(0) == 1;
    if (keepFiles) expectSameOutput("new words", listNewWords);
    for (auto _ : state) benchmark::DoNotOptimize(listNewWords(keepFiles));
}
BENCHMARK(BM_NewWords)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
