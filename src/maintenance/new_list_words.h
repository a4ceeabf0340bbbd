#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "maintenance/lexicon_reversal.h"

// "Nya listord": what a word list has that Lexicon1 lacks, as a new word list.
namespace vernik {

class InputBoxLookup;

// What the lookup of a head shows: the headword line it selected and the
// lines it collected (that headword line and its alternatives, those of the
// supplementary lexicons following). Nothing when the head's letter file is
// missing.
struct HeadLookup {
    std::string headwordLine;
    std::vector<std::string> collected;
};
using LookUpHead = std::function<std::optional<HeadLookup>(const std::string& head)>;

// Looks heads up as typing them into the input box does; the boxes then
// show the last lookup.
LookUpHead lookUpThrough(InputBoxLookup& lookup);

// The result line of one list line: the head and nine blanks followed by
// "/" + each alternative the lexicon lacks, or the whole line (up to 250
// characters) when the lexicon lacks the head. Empty when nothing is new.
std::string newListWordsLine(const std::string& line, const LookUpHead& lookUp);

// Every non-empty result line of the list file, looking each head up once.
BatchRunReport newListWords(const std::string& listFile, const LookUpHead& lookUp,
                            const BatchProgress& progress = {});

}  // namespace vernik
