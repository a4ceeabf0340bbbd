#pragma once

#include <string>
#include <vector>

// The commands of vernik-lex; each takes the arguments after its name and
// returns the exit status.
namespace vernik::lex {

using Arguments = std::vector<std::string>;

int runLookup(const Arguments& args);
int runImportDictd(const Arguments& args);
int runListSearch(const Arguments& args);
int runChange(const Arguments& args);
int runMedia(const Arguments& args);
int runSpell(const Arguments& args);
// add, difference and not-in-main
int runLexiconMerge(const std::string& command, const Arguments& args);
int runCheckText(const Arguments& args);
int runCount(const Arguments& args);
int runNewWords(const Arguments& args);
int runClearMarks(const Arguments& args);
int runComment(const Arguments& args);
int runBytesToDigits(const Arguments& args);
int runDigitsToBytes(const Arguments& args);
int runUnicodeToCyr(const Arguments& args);
int runReverse(const Arguments& args);
int runToList(const Arguments& args);
int runInsertList(const Arguments& args);
int runNewListWords(const Arguments& args);

}  // namespace vernik::lex
