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
    "      look each WORD up in the lexicon folder FOLDER and its supplementary\n"
    "      lexicons (FOLDERa, FOLDERb, ...) and print the selected headword line,\n"
    "      the further lines collected (indented by two blanks) and the comments\n"
    "      (after \"# \"); --raw writes the stored Windows-1252 bytes, not UTF-8\n"
    "  list-search [--previous] LISTFILE WORD\n"
    "      print every line of the word list LISTFILE that contains WORD, as the\n"
    "      comment box shows it; --previous adds the two lines before each hit\n"
    "  change FOLDER WORD [ALT1 [ALT2 [ALT3]]]\n"
    "      change the headword WORD in its letter file of the lexicon folder\n"
    "      FOLDER: a new WORD is added with the alternatives ALT1 to ALT3; for an\n"
    "      existing WORD, ALT1 is added, or placed at position N when written\n"
    "      with the prefix N (1 to 99), or deleted with the prefix 0. With the\n"
    "      folder locked against other changes, the new version is written under\n"
    "      a temporary name, the letter file copied to its .bak backup (replacing\n"
    "      the previous one) and the new version renamed over the letter file;\n"
    "      prints the outcome as the status box shows it\n"
    "  media [--output-folder DIR] [--list-folder DIR] LEXICON2 WORD\n"
    "      print the sound, pictures, series pictures and comment file the media\n"
    "      lookup of WORD would use, one \"KIND: PATH\" line each, taken from the\n"
    "      ljud, bild and kom folders of LEXICON2, the output file's folder DIR\n"
    "      and the word list's folder DIR; prints nothing when there are none\n"
    "  reverse SOURCE OUTDIR [--exclude WORD]...\n"
    "      reverse the lexicon folder SOURCE into OUTDIR (made with its template\n"
    "      letter files when missing): each alternative becomes a headword with\n"
    "      the old headword as its alternative; alternatives that are an excluded\n"
    "      WORD or begin with it and a blank or \"/\" (at most ten) are left out;\n"
    "      prints SOURCE as a word list\n"
    "  to-list SOURCE\n"
    "      print the lexicon folder SOURCE as a word list, a line\n"
    "      \".headword      /alternative/...\" per entry\n"
    "  insert-list LISTFILE LEXICON [--mark-new]\n"
    "      sort each line of the word list LISTFILE into the lexicon folder\n"
    "      LEXICON: new headwords get an entry, existing ones the alternatives they\n"
    "      lack (marked new with --mark-new); each letter file keeps its .bak\n"
    "  new-list-words LISTFILE LEXICON\n"
    "      print what the word list LISTFILE has that LEXICON and its\n"
    "      supplementary lexicons lack, as a word list\n"
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
    if (command == "list-search") return vernik::lex::runListSearch(args);
    if (command == "change") return vernik::lex::runChange(args);
    if (command == "media") return vernik::lex::runMedia(args);
    if (command == "reverse") return vernik::lex::runReverse(args);
    if (command == "to-list") return vernik::lex::runToList(args);
    if (command == "insert-list") return vernik::lex::runInsertList(args);
    if (command == "new-list-words") return vernik::lex::runNewListWords(args);
    std::fprintf(stderr, "vernik-lex: unknown command %s\n\n", command.c_str());
    std::fputs(kUsage.data(), stderr);
    return 2;
}
