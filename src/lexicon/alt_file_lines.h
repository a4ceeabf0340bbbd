#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/alt_table.h"
#include "lexicon/headword_scan.h"
#include "lexicon/letters.h"

// An alt file held in memory, for runs that look many words up in the same
// letter files (the text check, the new-word listing): each file is read
// once and every scan gives what scanAltFile gives on the file.
namespace vernik {

class AltFileLines {
  public:
    // The file's lines as the lookup reads them (cut to 255 bytes), or
    // nothing when it cannot be read.
    static std::optional<AltFileLines> read(const std::filesystem::path& file,
                                            const CollationRank& rank);

    AltFileLines(std::vector<std::string> lines, const CollationRank& rank);

    // The outcome and collected lines of scanAltFile on the file for
    // `request` (whose rank must be the one the lines were read with).
    ScanOutcome scan(const ScanRequest& request, AltTable& table) const;

    // Whether scans may start at the word's place: the file begins with a
    // headword line, its headwords stand in order and no two bytes share a
    // rank. Otherwise every scan reads from the top.
    bool searchable() const { return searchable_; }

  private:
    std::string_view key(std::size_t headword) const;
    bool keyLess(std::string_view a, std::string_view b) const;
    // The lines a scan reads: the entry of the last headword before the
    // word's place that begins the word (none when beginningEnd is 0), then
    // everything from the word's place on.
    struct ScanParts {
        std::size_t beginning = 0;
        std::size_t beginningEnd = 0;
        std::size_t fromPlace = 0;
    };
    ScanParts scanParts(std::string_view wordRest) const;

    std::vector<std::string> lines_;
    std::vector<std::size_t> headwords_;  // indices of the headword lines
    CollationRank rank_;
    bool searchable_ = false;
};

}  // namespace vernik
