#include <cstdio>

#include "commands.h"
#include "maintenance/input_box_lookup.h"
#include "maintenance/new_words.h"
#include "tool_output.h"

namespace vernik::lex {

int runNewWords(const Arguments& args) {
    if (args.size() != 1) {
        std::fputs("usage: vernik-lex new-words LEXICON\n", stderr);
        return 2;
    }
    if (!isLexiconOrSays(args[0])) return 1;
    InputBoxLookup lookup(args[0]);
    for (const std::string& line : listNewWords(args[0], lookup)) printCp1252Line(stdout, line);
    return 0;
}

}  // namespace vernik::lex
