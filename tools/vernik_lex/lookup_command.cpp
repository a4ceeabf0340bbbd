#include <algorithm>
#include <cstdio>
#include <string>

#include "commands.h"
#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "platform/cp1252.h"
#include "workspace/lexicon_lookup.h"
#include "workspace/lookup_word.h"

namespace vernik::lex {
namespace {

struct LookupOptions {
    bool raw = false;
    std::string folder;
    Arguments words;
};

void printLine(const std::string& prefix, const std::string& bytes, bool raw) {
    std::string out = prefix + (raw ? bytes : utf8FromCp1252(bytes));
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
}

// Looks one word up as the input box would; returns false when its letter
// file is missing.
bool lookUpOne(const LookupOptions& options, const std::string& argument) {
    const std::string typed = options.raw ? argument : cp1252FromUtf8Lossy(argument);
    const std::string word = cutLookupWord(typed);
    const char letter = initialLetter(word);
    AltTable table;
    const auto outcome =
        word.empty()
            ? LexiconLookupOutcome{}
            : lookUpInLexicons({.folder = options.folder, .word = word, .letter = letter}, table);
    if (!outcome.altFileFound) {
        const fs::path expected = letterFileName(options.folder, "", letter, LetterKind::Alt);
        if (expected.empty()) {
            std::fprintf(stderr, "vernik-lex: no letter file for %s\n", argument.c_str());
        } else {
            std::fprintf(stderr, "vernik-lex: no letter file %s\n", expected.c_str());
        }
        return false;
    }
    const int stored = std::min(table.AltCount, kAltSlots);
    printLine("", table.slot(1), options.raw);
    for (int slot = 2; slot <= stored; ++slot) printLine("  ", table.slot(slot), options.raw);
    for (const auto& line : outcome.comments) printLine("# ", line, options.raw);
    return true;
}

}  // namespace

int runLookup(const Arguments& args) {
    LookupOptions options;
    std::size_t at = 0;
    if (at < args.size() && args[at] == "--raw") {
        options.raw = true;
        ++at;
    }
    if (args.size() < at + 2) {
        std::fputs("usage: vernik-lex lookup [--raw] FOLDER WORD...\n", stderr);
        return 2;
    }
    options.folder = args[at++];
    options.words.assign(args.begin() + static_cast<long>(at), args.end());

    bool allFound = true;
    for (std::size_t i = 0; i < options.words.size(); ++i) {
        if (i > 0) std::fputs("\n", stdout);
        allFound = lookUpOne(options, options.words[i]) && allFound;
    }
    return allFound ? 0 : 1;
}

}  // namespace vernik::lex
