#include <cstdio>
#include <string>

#include "commands.h"
#include "lexicon/dictd_import.h"

namespace vernik::lex {
namespace {

std::string summary(const DictdImportResult& result, const std::string& folder) {
    return "vernik-lex: imported " + std::to_string(result.imported) + " entries into " + folder +
           "; skipped " + std::to_string(result.headerEntries) + " header entries, " +
           std::to_string(result.withoutCp1252) + " without a Windows-1252 form, " +
           std::to_string(result.withoutLetterFile) + " without a letter file; merged " +
           std::to_string(result.mergedDuplicates) + " duplicates; dropped " +
           std::to_string(result.droppedCharacters) +
           " characters of alternatives without a Windows-1252 form\n";
}

}  // namespace

int runImportDictd(const Arguments& args) {
    if (args.size() != 2) {
        std::fputs("usage: vernik-lex import-dictd BASE OUTDIR\n", stderr);
        return 2;
    }
    const DictdImportResult result = importDictd(args[0], args[1]);
    if (!result.ok()) {
        std::fprintf(stderr, "vernik-lex: %s\n", result.error.c_str());
        return 1;
    }
    const std::string line = summary(result, args[1]);
    std::fwrite(line.data(), 1, line.size(), stdout);
    return 0;
}

}  // namespace vernik::lex
