#include <cstdio>
#include <optional>
#include <string>

#include "commands.h"
#include "lexicon/letters.h"
#include "maintenance/input_box_lookup.h"
#include "maintenance/lexicon_reversal.h"
#include "maintenance/list_insertion.h"
#include "maintenance/new_list_words.h"
#include "platform/cp1252.h"

// The word-list commands: reverse, to-list, insert-list and new-list-words.
namespace vernik::lex {
namespace {

constexpr std::size_t kMostExcludedWords = 10;
constexpr std::size_t kLongestExcludedWord = 100;

void printUtf8(std::FILE* stream, const std::string& bytes) {
    const std::string out = utf8FromCp1252(bytes) + "\n";
    std::fwrite(out.data(), 1, out.size(), stream);
}

// Lines on standard output; messages, the dropped count and an error on
// standard error. The exit status is 1 when an error ended the run.
int report(const BatchRunReport& run, const char* droppedWhat) {
    for (const auto& line : run.listLines) printUtf8(stdout, line);
    for (const auto& message : run.messages) printUtf8(stderr, message);
    if (run.droppedPairs > 0) {
        std::fprintf(stderr, "vernik-lex: %zu %s without a letter file left out\n",
                     run.droppedPairs, droppedWhat);
    }
    if (!run.error.empty()) {
        printUtf8(stderr, "vernik-lex: " + run.error);
        return 1;
    }
    return 0;
}

int usage(const char* text) {
    std::fputs(text, stderr);
    return 2;
}

}  // namespace

int runReverse(const Arguments& args) {
    constexpr const char* kUsage = "usage: vernik-lex reverse SOURCE OUTDIR [--exclude WORD]...\n";
    if (args.size() < 2) return usage(kUsage);
    ReversalRequest request{.sourceFolder = args[0], .destinationFolder = args[1]};
    std::size_t excluded = 0;
    for (std::size_t at = 2; at < args.size(); at += 2) {
        if (args[at] != "--exclude" || at + 1 >= args.size()) return usage(kUsage);
        if (excluded == kMostExcludedWords) {
            std::fputs("vernik-lex: at most ten excluded words\n", stderr);
            return 2;
        }
        request.excludedWords[excluded++] =
            cp1252FromUtf8Lossy(args[at + 1]).substr(0, kLongestExcludedWord);
    }
    return report(reverseLexicon(request), "pairs");
}

int runToList(const Arguments& args) {
    if (args.size() != 1) return usage("usage: vernik-lex to-list SOURCE\n");
    return report(lexiconToList(args[0]), "entries");
}

int runInsertList(const Arguments& args) {
    constexpr const char* kUsage = "usage: vernik-lex insert-list LISTFILE LEXICON [--mark-new]\n";
    const bool mark = args.size() == 3 && args[2] == "--mark-new";
    if (args.size() != 2 && !mark) return usage(kUsage);
    const BatchRunReport run = insertWordList(args[0], args[1], mark);
    return report(run, "lines") != 0 || !run.messages.empty() ? 1 : 0;
}

int runNewListWords(const Arguments& args) {
    if (args.size() != 2) return usage("usage: vernik-lex new-list-words LISTFILE LEXICON\n");
    InputBoxLookup lookup(args[1]);
    const BatchRunReport run = newListWords(args[0], lookUpThrough(lookup));
    return report(run, "lines") != 0 || !run.messages.empty() ? 1 : 0;
}

}  // namespace vernik::lex
