#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "lexicon/letters.h"
#include "platform/files.h"

// "Lexikonomvändning" turns a lexicon around (each alternative becomes a
// headword with the old headword as its alternative) and "Lexikon till
// lista" writes a lexicon as a word list. Both read the alt files of A to Z.
namespace vernik {

// What a batch run over lexicon folders gives back to show.
struct BatchRunReport {
    std::vector<std::string> listLines;  // word-list lines for the output box
    std::vector<std::string> messages;   // message-bar texts, Windows-1252
    std::size_t droppedPairs = 0;        // no letter file of their first character
    std::string error;                   // what ended the run early, Windows-1252
};

// Reports the progress bar's position (0 to 100) as the run goes on.
using BatchProgress = std::function<void(int)>;

struct ReversalRequest {
    std::string sourceFolder;
    std::string destinationFolder;
    // An alternative equal to one of these, or beginning with one followed by
    // a blank or "/", is neither reversed nor listed. Empty ones exclude nothing.
    std::array<std::string, 10> excludedWords{};
    SpecialAlphabet special{};
    CollationRank rank = identityCollationRank();
    BatchProgress progress{};
};

// Creates the destination's missing letter files, adds every pair to the
// destination by the letter-file rewrite (no new-word marks) and lists the
// source. Each destination letter file is written once, and its ".bak" holds
// the version before the last pair added to it.
BatchRunReport reverseLexicon(const ReversalRequest& request);

// The source as a word list, without the bare-letter and sentinel entries.
BatchRunReport lexiconToList(const std::string& sourceFolder, const BatchProgress& progress = {});

// Creates the folder when missing and the template letter files it lacks.
WriteResult createLexiconFolder(const std::string& folder);

// Whether an alternative line is kept out by the excluded words.
bool isExcluded(const std::string& alternative, const std::array<std::string, 10>& excludedWords);

}  // namespace vernik
