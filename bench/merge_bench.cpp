// Merging two lexicons of 100,000 headwords each (every letter of the merge,
// one to four alternatives a headword, comments on one headword in ten, half
// of the headwords in both), by each of the three operations, against copying
// the same input files into a fresh folder through the same writer. After the
// runs the ratios of each operation to the copy are printed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "large_lexicon.h"
#include "lexicon/letter_files.h"
#include "maintenance/lexicon_merge.h"
#include "platform/files.h"

namespace {

namespace fs = std::filesystem;
using vernik::LetterKind;
using vernik::MergeOperation;

constexpr int kHeadwords = 100000;

// Writes the alt and com files of every merge letter. The lexicon holds the
// headwords numbered `first` to `first` + kHeadwords - 1 of a sequence the
// two lexicons share, spread over the letters in runs.
void writeLexicon(const fs::path& folder, int first, const char* altPrefix) {
    fs::create_directories(folder);
    const int letters = static_cast<int>(vernik::kMergeLetters.size());
    const int perLetter = (kHeadwords + letters - 1) / letters;
    std::map<char, std::vector<std::string>> words;
    for (int n = first; n < first + kHeadwords; ++n) {
        const char letter = vernik::kMergeLetters[n / perLetter % letters];
        char word[32];
        std::snprintf(word, sizeof word, "%c%c%c%07d", vernik::lowerCase(letter), 'a' + n % 26,
                      'a' + n / 26 % 26, n);
        words[letter].push_back(word);
    }
    for (char letter : vernik::kMergeLetters) {
        std::vector<std::string>& letterWords = words[letter];
        std::sort(letterWords.begin(), letterWords.end());
        std::vector<std::string> alt = {std::string(".") + letter, std::string(1, letter)};
        std::vector<std::string> com;
        for (const std::string& word : letterWords) {
            alt.push_back("." + word);
            const int number = std::atoi(word.c_str() + 3);
            for (int k = 0; k <= number % 4; ++k) {
                // The first alternative is common to both lexicons.
                alt.push_back(k == 0 ? "translation of " + word.substr(3)
                                     : altPrefix + std::to_string(k) + " " + word.substr(3));
            }
            if (number % 10 == 0) {
                com.insert(com.end(), {"." + word, "a comment on " + word, "and one more line"});
            }
        }
        for (auto* lines : {&alt, &com}) {
            lines->push_back(vernik::sentinelLine(letter));
            lines->push_back(std::string(vernik::kSentinelFollower));
        }
        vernik::writeFileReplacing(
            vernik::letterFileName(folder.string(), "", letter, LetterKind::Alt),
            vernik::joinLinesCrLf(alt));
        vernik::writeFileReplacing(
            vernik::letterFileName(folder.string(), "", letter, LetterKind::Com),
            vernik::joinLinesCrLf(com));
    }
}

struct Lexicons {
    Lexicons() : root(vernik::bench::freshFolder("vernik-bench-merge")) {
        writeLexicon(root / "main", 0, "main alternative ");
        writeLexicon(root / "second", kHeadwords / 2, "second alternative ");
    }
    fs::path root;
};

const Lexicons& lexicons() {
    static const Lexicons made;
    return made;
}

// The bytes of both input lexicons.
int64_t inputBytes() {
    int64_t total = 0;
    for (const char* input : {"main", "second"}) {
        for (const auto& entry : fs::directory_iterator(lexicons().root / input)) {
            total += static_cast<int64_t>(entry.file_size());
        }
    }
    return total;
}

fs::path freshResult() {
    const fs::path result = lexicons().root / "result";
    fs::remove_all(result);
    fs::create_directories(result);
    return result;
}

// Reads each input letter file and writes it into the result folder.
void BM_CopyInputs(benchmark::State& state) {
    const fs::path root = lexicons().root;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path result = freshResult();
        state.ResumeTiming();
        for (const char* input : {"main", "second"}) {
            for (char letter : vernik::kMergeLetters) {
                for (LetterKind kind : {LetterKind::Alt, LetterKind::Com}) {
                    const std::string name =
                        vernik::letterFileName("", "", letter, kind).filename().string();
                    const auto bytes = vernik::readFileBytes(root / input / name);
                    if (!bytes) state.SkipWithError("an input file is missing");
                    vernik::writeFileReplacing(result / (std::string(input) + "-" + name),
                                               bytes.value_or(""));
                }
            }
        }
    }
    state.SetBytesProcessed(state.iterations() * inputBytes());
}
BENCHMARK(BM_CopyInputs)->Unit(benchmark::kMillisecond);

void BM_Merge(benchmark::State& state) {
    const fs::path root = lexicons().root;
    const auto operation = static_cast<MergeOperation>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path result = freshResult();
        state.ResumeTiming();
        const vernik::MergeReport report =
            vernik::runMerge({.operation = operation,
                              .mainFolder = (root / "main").string(),
                              .secondFolder = (root / "second").string(),
                              .resultFolder = result.string(),
                              .markNewWords = true});
        if (!report.ok() || !report.messages.empty()) state.SkipWithError("the merge failed");
    }
    state.SetBytesProcessed(state.iterations() * inputBytes());
}
BENCHMARK(BM_Merge)
    ->ArgName("operation")
    ->Arg(static_cast<int>(MergeOperation::Add))
    ->Arg(static_cast<int>(MergeOperation::Difference))
    ->Arg(static_cast<int>(MergeOperation::NotInMain))
    ->Unit(benchmark::kMillisecond);

// Real time includes bringing each written file to disk (fsync), which the
// copy does twice as often as a merge. Keeps each run's mean time so that the ratios can be printed
// at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                times_[run.benchmark_name()] = {run.GetAdjustedRealTime(),
                                                run.GetAdjustedCPUTime()};
            }
        }
    }
    void printRatios() const {
        const auto copy = times_.find("BM_CopyInputs");
        if (copy == times_.end()) return;
        const char* names[] = {"add", "difference", "not-in-main"};
        for (int op = 0; op < 3; ++op) {
            const auto merge = times_.find("BM_Merge/operation:" + std::to_string(op));
            if (merge == times_.end()) continue;
            std::printf("%-12s %.2f x the copy in real time, %.2f x in CPU time\n", names[op],
                        merge->second.real / copy->second.real,
                        merge->second.cpu / copy->second.cpu);
        }
    }

  private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    fs::remove_all(lexicons().root);
    return 0;
}
