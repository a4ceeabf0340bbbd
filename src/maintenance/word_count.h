#pragma once

#include <string>
#include <vector>

// "Räkna ord i Lexikon1": the headword and alternative lines of each letter
// file of a lexicon folder.
namespace vernik {

struct LetterWordCount {
    char letter = 0;
    int headwords = 0;     // lines beginning with "."
    int alternatives = 0;  // other lines that are not empty
    // An empty line followed by a non-empty one; empty lines at the end do
    // not count.
    bool emptyLine = false;
};

// The letters counted, in their order: A-Z, Ä, Å, Ö.
inline constexpr std::string_view kCountedLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xC5\xD6";

// Counts the alt file of every counted letter; a missing one counts 0 and 0.
std::vector<LetterWordCount> countLexiconWords(const std::string& folder);

// The report lines (Windows-1252): one per letter and the sum.
std::vector<std::string> wordCountReport(const std::vector<LetterWordCount>& counts);

}  // namespace vernik
