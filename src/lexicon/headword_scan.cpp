#include "lexicon/headword_scan.h"

#include <algorithm>

#include "platform/line_reader.h"

namespace vernik {
namespace {

bool hasBlankBeforeLast(std::string_view line) {
    return !line.empty() && line.find(' ') < line.size() - 1;
}

const CollationRank& identityRank() {
    static const CollationRank identity = identityCollationRank();
    return identity;
}

// State of the scan over one file; the rules are in onHeadwordLine.
class HeadwordScan {
  public:
    HeadwordScan(const ScanRequest& request, AltTable& table)
        : word_(request.word),
          rank_(request.rank ? *request.rank : identityRank()),
          altBase_(request.altBase),
          table_(table) {}

    bool goOn() const { return goOn_; }
    bool entryFound() const { return entryFound_; }
    bool collecting() const { return matching_; }

    // While nothing is collected, the lines that cannot change the scan: the
    // alternatives, and the headwords that differ from the word without
    // ranking above it at their first difference (the scan neither stops at
    // them nor collects them).
    LinePassRule passRule() const {
        LinePassRule rule;
        rule.mark = '.';
        rule.passes = [this](std::string_view line) { return passesOver(line); };
        rule.lengthWanted = word_.size() + 1;
        if (word_.size() >= 2) {
            const auto wordChar = static_cast<unsigned char>(word_[1]);
            int below = 0;
            while (below < 256 && below != wordChar && rank_[below] <= rank_[wordChar]) ++below;
            rule.passesThirdBelow = below;
        }
        return rule;
    }

    // Whether the headword line, met while nothing is collected, leaves the
    // scan going on with nothing collected.
    bool passesOver(std::string_view line) const {
        const std::size_t n = word_.size();
        // A one-letter word stops at any longer headword.
        if (n < 2) return false;
        const std::size_t last = std::min(line.size(), n + 1);
        for (std::size_t i = 3; i <= last; ++i) {
            const auto lineChar = static_cast<unsigned char>(line[i - 1]);
            const auto wordChar = static_cast<unsigned char>(word_[i - 2]);
            if (lineChar != wordChar) return rank_[lineChar] <= rank_[wordChar];
        }
        return false;  // it agrees with the word wherever both have letters
    }

    // What such a headword line of `length` bytes would have left.
    void onPassedHeadword(std::size_t length) {
        matching_ = false;
        count_ = 1;
        lastPosition_ = std::min(length, word_.size() + 1);
    }

    void onLine(std::string_view line) {
        if (!line.empty() && line[0] == '.') onHeadwordLine(line);
        if (matching_) collect(line);
    }

  private:
    void onHeadwordLine(std::string_view line) {
        const std::size_t n = word_.size();
        // The previous headword began with the whole word: this one is past it.
        if (matching_ && lastPosition_ == n + 1) {
            goOn_ = matching_ = false;
        } else {
            matching_ = true;
        }
        count_ = 1;
        // A one-letter word stops at the first headword of two or more letters.
        if (matching_ && n == 1 && line.size() > 2) {
            goOn_ = matching_ = false;
            return;
        }
        // Position i (1-based) of the line against position i - 1 of the word.
        const std::size_t last = std::min(line.size(), n + 1);
        if (last < 3) return;  // nothing to compare; the last position stays
        lastPosition_ = last;
        for (std::size_t i = 3; i <= last && matching_; ++i) {
            const auto lineChar = static_cast<unsigned char>(line[i - 1]);
            const auto wordChar = static_cast<unsigned char>(word_[i - 2]);
            if (rank_[lineChar] > rank_[wordChar]) goOn_ = false;
            if (lineChar != wordChar) matching_ = false;
        }
    }

    void collect(std::string_view line) {
        const int slot = altBase_ + count_;
        table_.store(slot, line);
        table_.AltCount = slot;
        table_.AltShownLast = std::min(slot, 4);
        table_.LastEntryCount = count_;
        ++count_;
        entryFound_ = true;
    }

    std::string_view word_;
    const CollationRank& rank_;
    int altBase_;
    AltTable& table_;
    bool matching_ = true;
    bool goOn_ = true;
    bool entryFound_ = false;
    std::size_t lastPosition_ = 0;
    int count_ = 1;
};

// Reads the alt file line by line, or, when `passOtherLines`, passes over the
// lines that cannot change the scan without cutting them out.
ScanOutcome scan(const ScanRequest& request, AltTable& table, bool passOtherLines) {
    ScanOutcome outcome;
    LineReader reader(request.altFile);
    if (!reader.isOpen()) return outcome;
    outcome.fileFound = true;

    HeadwordScan scan(request, table);
    const LinePassRule rule = scan.passRule();
    LineReader::PassedMarkedLine passed;
    // The last line read (or passed over); the reader keeps it valid at the end.
    std::string_view line;
    while (scan.goOn()) {
        bool more = false;
        if (passOtherLines && !scan.collecting()) {
            more = reader.nextUnpassed(line, rule, passed);
            if (passed.any) scan.onPassedHeadword(passed.length);
        } else {
            more = reader.next(line);
        }
        if (!more) break;
        scan.onLine(line);
    }
    outcome.entryFound = scan.entryFound();
    outcome.phraseFollows = hasBlankBeforeLast(line);
    return outcome;
}

}  // namespace

ScanOutcome scanAltFile(const ScanRequest& request, AltTable& table) {
    return scan(request, table, true);
}

ScanOutcome scanAltFileLineByLine(const ScanRequest& request, AltTable& table) {
    return scan(request, table, false);
}

ScanOutcome scanAltLines(const ScanRequest& request, std::span<const std::string> lines,
                         AltTable& table) {
    ScanOutcome outcome;
    outcome.fileFound = true;
    HeadwordScan scan(request, table);
    std::string_view line;
    for (const std::string& next : lines) {
        line = next;
        scan.onLine(line);
        if (!scan.goOn()) break;
    }
    outcome.entryFound = scan.entryFound();
    outcome.phraseFollows = hasBlankBeforeLast(line);
    return outcome;
}

CommentOutcome collectComments(const std::filesystem::path& comFile,
                               std::string_view headwordLine) {
    CommentOutcome outcome;
    LineReader reader(comFile);
    if (!reader.isOpen()) return outcome;
    outcome.fileFound = true;

    // Outside a block only a line equal to the headword line matters.
    const bool passOtherLines = !headwordLine.empty() && headwordLine[0] == '.';
    std::string_view line;
    while (passOtherLines ? reader.nextStartingWith('.', line) : reader.next(line)) {
        if (line != headwordLine) continue;
        // The line that ends a block is not itself examined as a headword.
        while (reader.next(line) && (line.empty() || line[0] != '.')) {
            outcome.lines.emplace_back(line);
        }
    }
    return outcome;
}

}  // namespace vernik
