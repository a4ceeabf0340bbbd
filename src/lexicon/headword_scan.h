#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/alt_table.h"
#include "lexicon/letters.h"

// Finding the nearest headword of a word in one alt file.
namespace vernik {

struct ScanRequest {
    std::string_view word;  // InOrd; its first character is not compared
    std::filesystem::path altFile;
    int altBase = 0;  // slot offset of this lexicon's lines (0 for the main lexicon)
    const CollationRank* rank = nullptr;  // identity ranks when null
};

struct ScanOutcome {
    bool fileFound = false;
    bool entryFound = false;     // some headword matched and was collected
    bool phraseFollows = false;  // the line the scan stopped at holds a blank
};

// Reads the alt file from the top and collects the nearest headword's line and
// alternatives into `table` from slot altBase + 1 on, without reading past the
// place where the word would stand. A missing file leaves `table` untouched.
ScanOutcome scanAltFile(const ScanRequest& request, AltTable& table);

// The same scan handing every line of the file to the rules one by one; the
// plain form that scanAltFile's passing over of lines must agree with.
ScanOutcome scanAltFileLineByLine(const ScanRequest& request, AltTable& table);

// The line-by-line scan over the lines of an alt file already read (each
// cut as the reader cuts it); the same outcome as scanAltFile on that file.
ScanOutcome scanAltLines(const ScanRequest& request, std::span<const std::string> lines,
                         AltTable& table);

// The comment lines of `headwordLine` (the headword line exactly as stored,
// "." included) from every block of it in a com file, in file order.
struct CommentOutcome {
    bool fileFound = false;
    std::vector<std::string> lines;
};
CommentOutcome collectComments(const std::filesystem::path& comFile, std::string_view headwordLine);

}  // namespace vernik
