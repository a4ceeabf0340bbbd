#include <cstdio>

#include "commands.h"
#include "maintenance/input_box_lookup.h"
#include "maintenance/text_check.h"
#include "tool_output.h"

namespace vernik::lex {

int runCheckText(const Arguments& args) {
    if (args.size() != 2) {
        std::fputs("usage: vernik-lex check-text TEXTFILE LEXICON\n", stderr);
        return 2;
    }
    if (!isLexiconOrSays(args[1])) return 1;
    const TextFile text = readTextFile(args[0]);
    if (text.failure != TextFileFailure::None) {
        printCp1252Line(stderr, "vernik-lex: " + textFileMessage(text.failure, args[0]));
        return 1;
    }
    InputBoxLookup lookup(args[1]);
    for (const std::string& word : checkText(text.lines, lookup)) {
        printCp1252Line(stdout, word);
    }
    return 0;
}

}  // namespace vernik::lex
