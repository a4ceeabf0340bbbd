#include <cstdio>

#include "commands.h"
#include "maintenance/word_count.h"
#include "tool_output.h"

namespace vernik::lex {

int runCount(const Arguments& args) {
    if (args.size() != 1) {
        std::fputs("usage: vernik-lex count LEXICON\n", stderr);
        return 2;
    }
    if (!isLexiconOrSays(args[0])) return 1;
    for (const std::string& line : wordCountReport(countLexiconWords(args[0]))) {
        printCp1252Line(stdout, line);
    }
    return 0;
}

}  // namespace vernik::lex
