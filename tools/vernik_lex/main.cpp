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
    "  spell [--lexicon1 DIR] [--lexicon2 DIR] [--output-folder DIR] TEXT\n"
    "      print the sound files, one a line, that spelled speech plays when it\n"
    "      reads TEXT with \"Auto\" from its start: letter and letter-group sounds\n"
    "      from the spsp folders of the two lexicons, the current folder and the\n"
    "      output file's folder DIR (the last that holds a sound wins), whole-word\n"
    "      sounds from the lexicons' ljud folders, and paus1 between words. The\n"
    "      last word is read only when a blank or line end follows it\n"
    "  add MAIN SECOND OUTDIR [--mark-new]\n"
    "  difference MAIN SECOND OUTDIR\n"
    "  not-in-main MAIN SECOND OUTDIR\n"
    "      merge the lexicon folders MAIN and SECOND letter by letter (A-Z, \xC3\x84,\n"
    "      \xC3\x85, \xC3\x96) into OUTDIR, created when missing: add keeps all of MAIN\n"
    "      and adds what SECOND has beyond it (--mark-new marks the added\n"
    "      alternatives with the new-word mark); difference keeps the headwords\n"
    "      of only one of them and, for shared ones, the alternatives only SECOND\n"
    "      has; not-in-main keeps only what SECOND has and MAIN lacks. Comments\n"
    "      are merged alike. Messages about missing letter files go to standard\n"
    "      error; a file error ends the run with status 1\n"
    "  check-text TEXTFILE LEXICON\n"
    "      print the words of TEXTFILE that the lexicon folder LEXICON lacks as\n"
    "      headwords, one a line (a UTF-8 file is converted to Windows-1252)\n"
    "  count LEXICON\n"
    "      print the headword and alternative lines of each letter file and the sum\n"
    "  new-words LEXICON\n"
    "      print the headwords whose lookup shows an alternative marked as new\n"
    "  clear-marks FOLDER [--also-comments | --only-comments]\n"
    "      remove the new-word marks from the alt files (and/or com files) of\n"
    "      FOLDER, keeping each file's previous version as its .bak backup\n"
    "  comment FOLDER WORD [LINE]...\n"
    "      look WORD up in FOLDER and store the LINEs (up to the first empty one)\n"
    "      as its comments: added as a block, or replacing the comments it has\n"
    "  bytes-to-digits FILE [--per-line N]\n"
    "      print each byte of FILE as two hexadecimal digits and a blank, N bytes\n"
    "      (1 to 83, default 15) to a line, for keeping a file on paper\n"
    "  digits-to-bytes TEXTFILE OUTFILE\n"
    "      write to OUTFILE the bytes that the pairs of hexadecimal digits in\n"
    "      TEXTFILE give, reading O and o as 0, K and k as E and c as C\n"
    "  unicode-to-cyr FILE\n"
    "      convert the UTF-8 Cyrillic text of FILE to the program's Cyrillic font\n"
    "      layout, write it to FILE with its last three characters replaced by\n"
    "      \"con\" and print that name\n"
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
    if (command == "spell") return vernik::lex::runSpell(args);
    if (command == "add" || command == "difference" || command == "not-in-main")
        return vernik::lex::runLexiconMerge(command, args);
    if (command == "check-text") return vernik::lex::runCheckText(args);
    if (command == "count") return vernik::lex::runCount(args);
    if (command == "new-words") return vernik::lex::runNewWords(args);
    if (command == "clear-marks") return vernik::lex::runClearMarks(args);
    if (command == "comment") return vernik::lex::runComment(args);
    if (command == "bytes-to-digits") return vernik::lex::runBytesToDigits(args);
    if (command == "digits-to-bytes") return vernik::lex::runDigitsToBytes(args);
    if (command == "unicode-to-cyr") return vernik::lex::runUnicodeToCyr(args);
    if (command == "reverse") return vernik::lex::runReverse(args);
    if (command == "to-list") return vernik::lex::runToList(args);
    if (command == "insert-list") return vernik::lex::runInsertList(args);
    if (command == "new-list-words") return vernik::lex::runNewListWords(args);
    std::fprintf(stderr, "vernik-lex: unknown command %s\n\n", command.c_str());
    std::fputs(kUsage.data(), stderr);
    return 2;
}
