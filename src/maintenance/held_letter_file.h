#pragma once

#include <map>
#include <string>
#include <vector>

#include "lexicon/letters.h"
#include "maintenance/letter_file_rewrite.h"

namespace vernik {

// A letter file held in memory while a batch run rewrites it many times.
// Each apply() leaves the lines that rewriteLetterLines would give for the
// whole file. While the file's headwords stand in order, a rewrite finds its
// entry by key and rewrites that entry alone; a file out of order (or one that
// a rewrite puts out of order) is rewritten whole each time.
class HeldLetterFile {
  public:
    // `rank` orders the headwords (every request is run with it) and must
    // outlive the object.
    HeldLetterFile(const std::vector<std::string>& lines, const CollationRank& rank);

    RewriteOutcome apply(const RewriteRequest& request);

    std::vector<std::string> lines() const;

  private:
    // A headword line that the rewrite's search compares, with the lines up
    // to the next such headword line (its alternatives, and any blocks of
    // one-character headwords).
    struct Entry {
        std::string headword;
        std::vector<std::string> rest;
    };
    using Key = std::u32string;
    using Entries = std::multimap<Key, Entry>;

    Key keyOfText(std::string_view text) const;
    Key keyOfLine(std::string_view headwordLine) const;
    bool load(const std::vector<std::string>& lines);
    RewriteOutcome applyToEntry(Entries::iterator at, const RewriteRequest& request);
    RewriteOutcome applyInFront(Entries::iterator at, const RewriteRequest& request);
    void clearMarksAfter(Entries::iterator at);
    RewriteOutcome applyWhole(const RewriteRequest& request);
    void holdWhole();

    const CollationRank& rank_;
    bool keyed_ = true;
    std::vector<std::string> lead_;  // the lines before the first compared headword
    Entries entries_;
    std::vector<std::string> whole_;  // the lines, while the file is not keyed
};

}  // namespace vernik
