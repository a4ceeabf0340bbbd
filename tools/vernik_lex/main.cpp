#include <cstdio>
#include <string>
#include <string_view>

#include "commands.h"

namespace {

constexpr std::string_view kUsage =
    "usage: vernik-lex COMMAND ARGUMENTS\n"
    "\n"
    "commands:\n"
    "  lookup [--raw] FOLDER WORD...\n"
    "      look each WORD up in the lexicon folder FOLDER and print the selected\n"
    "      headword line, the further lines of the entry (indented by two blanks)\n"
    "      and its comments (after \"# \"); --raw writes the stored Windows-1252\n"
    "      bytes instead of UTF-8\n"
    "  import-dictd BASE OUTDIR\n"
    "      build the lexicon folder OUTDIR from the dictd dictionary BASE.index\n"
    "      with BASE.dict.dz or BASE.dict\n"
    "  --help\n"
    "      show this text\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage.data(), stderr);
        return 2;
    }
    const std::string command = argv[1];
    const vernik::lex::Arguments args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage.data(), stdout);
        return 0;
    }
    if (command == "lookup") return vernik::lex::runLookup(args);
    if (command == "import-dictd") return vernik::lex::runImportDictd(args);
    std::fprintf(stderr, "vernik-lex: unknown command %s\n\n", command.c_str());
    std::fputs(kUsage.data(), stderr);
    return 2;
}
