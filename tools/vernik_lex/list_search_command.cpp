#include <cstdio>
#include <string>

#include "commands.h"
#include "platform/cp1252.h"
#include "workspace/list_search.h"

namespace vernik::lex {

int runListSearch(const Arguments& args) {
    std::size_t at = 0;
    const bool previous = at < args.size() && args[at] == "--previous";
    if (previous) ++at;
    if (args.size() != at + 2) {
        std::fputs("usage: vernik-lex list-search [--previous] LISTFILE WORD\n", stderr);
        return 2;
    }
    const std::string& listFile = args[at];
    const std::string word = cp1252FromUtf8Lossy(args[at + 1]);
    // Words of one or two characters are not searched.
    if (word.size() <= 2) return 0;
    const ListSearchOutcome outcome = searchList(listFile, word, previous);
    if (!outcome.fileFound) {
        std::fprintf(stderr, "vernik-lex: cannot read %s\n", listFile.c_str());
        return 1;
    }
    for (const auto& line : outcome.lines) {
        const std::string out = utf8FromCp1252(line) + "\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    return 0;
}

}  // namespace vernik::lex
