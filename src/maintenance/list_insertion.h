#pragma once

#include <string>
#include <vector>

#include "maintenance/lexicon_reversal.h"
#include "maintenance/word_list.h"

// "Insortering" sorts every line of a word list into a lexicon folder.
namespace vernik {

// One list line sorted into a letter file's lines: a new headword gets its
// entry in front of the first headword at or after it (when it has an
// alternative), an existing one (matched without regard to case) the
// alternatives it lacks. Empty lines and a line equal to the one before go;
// the last line always stays. A headword after every other one (a file
// without its sentinel) is added at the end.
std::vector<std::string> insertListEntry(std::vector<std::string> lines, const WordListEntry& entry,
                                         bool markNewWords);

// Sorts the lines of `listFile` into `lexiconFolder`, made with its template
// letter files when missing. Each letter file is written once, and its
// ".bak" holds the version before the last line sorted into it.
BatchRunReport insertWordList(const std::string& listFile, const std::string& lexiconFolder,
                              bool markNewWords, const BatchProgress& progress = {});

}  // namespace vernik
