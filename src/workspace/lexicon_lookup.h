#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lexicon/alt_table.h"
#include "lexicon/headword_scan.h"
#include "lexicon/letters.h"

// One lookup of a word in a lexicon folder and its supplementary lexicons.
namespace vernik {

struct LexiconLookupRequest {
    std::string folder;  // ActiveLexiconFolder
    std::string word;    // InOrd, not empty
    char letter = 0;     // LookupInitial: the folded initial letter of the word
    const CollationRank* rank = nullptr;
    // Scans one alt file; scanAltFile when empty. Runs of many lookups give
    // one that keeps the files in memory.
    std::function<ScanOutcome(const ScanRequest&, AltTable&)> scan{};
    // Finds the alt file of the letter in the folder + supplement letter;
    // findLetterFile when empty.
    std::function<std::optional<std::filesystem::path>(const std::string& supplement, char letter)>
        findAltFile{};
    bool withComments = true;  // finds and reads the com files
};

struct LexiconLookupOutcome {
    bool altFileFound = false;  // the main lexicon has the word's letter file
    int lexiconsScanned = 0;    // the main lexicon and each supplementary one
    int shownLines = 0;  // lines of the last pass's entries, from slot 1: the boxes show up to 4
    bool phraseFollows = false;  // a phrase follows the headword in the last lexicon scanned
    // Comment lines of the headword from every lexicon's com file. When the
    // main letter file is missing, the comment box is not cleared first.
    std::vector<std::string> comments;
    bool commentsReplace = false;
    bool hasComments = false;              // the last lexicon's com file gave comments
    std::string altFileName, comFileName;  // of the last pass
};

// Scans the main lexicon's alt file, then those of "folder" + "a", "b", …
// while each holds the letter file, collecting every entry into `table` one
// after the other (slot 1 is the main lexicon's headword line). A missing
// main letter file leaves `table` as it was.
LexiconLookupOutcome lookUpInLexicons(const LexiconLookupRequest& request, AltTable& table);

}  // namespace vernik
