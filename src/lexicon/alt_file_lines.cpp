#include "lexicon/alt_file_lines.h"

#include <algorithm>
#include <span>

#include "platform/line_reader.h"

namespace vernik {
namespace {

bool ranksDistinct(const CollationRank& rank) {
    CollationRank sorted = rank;
    std::sort(sorted.begin(), sorted.end());
    return std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
}

}  // namespace

std::optional<AltFileLines> AltFileLines::read(const std::filesystem::path& file,
                                               const CollationRank& rank) {
    LineReader reader(file);
    if (!reader.isOpen()) return std::nullopt;
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) lines.emplace_back(line);
    return AltFileLines(std::move(lines), rank);
}

AltFileLines::AltFileLines(std::vector<std::string> lines, const CollationRank& rank)
    : lines_(std::move(lines)), rank_(rank) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].empty() && lines_[i][0] == '.') headwords_.push_back(i);
    }
    searchable_ = !headwords_.empty() && headwords_.front() == 0 && ranksDistinct(rank_);
    for (std::size_t h = 1; searchable_ && h < headwords_.size(); ++h) {
        if (keyLess(key(h), key(h - 1))) searchable_ = false;
    }
}

// The part of a headword line the scan compares: from its third byte on.
std::string_view AltFileLines::key(std::size_t headword) const {
    const std::string& line = lines_[headwords_[headword]];
    return line.size() > 2 ? std::string_view(line).substr(2) : std::string_view();
}

// Byte by byte by rank; a beginning sorts before the longer text.
bool AltFileLines::keyLess(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [this](char x, char y) {
            return rank_[static_cast<unsigned char>(x)] < rank_[static_cast<unsigned char>(y)];
        });
}

// In a file whose headwords stand in order, a scan for a word of two or more
// letters passes every headword that sorts before the word without being a
// beginning of it (each such headword leaves the scan as it was at the top,
// with nothing collected since), collects each that is a beginning, and ends
// at the first headword from the word's place on. So it keeps the entry of
// the last beginning before the word's place, if any, and then goes on from
// that place as from the top.
AltFileLines::ScanParts AltFileLines::scanParts(std::string_view wordRest) const {
    const auto less = [this](std::string_view a, std::string_view b) { return keyLess(a, b); };
    const std::size_t count = headwords_.size();
    std::size_t low = 0, high = count;  // the word's place: the first key not below it
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (less(key(mid), wordRest)) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    ScanParts parts;
    // Without a headword from the word's place on, the scan passes the last
    // one and reads to the end of the file.
    parts.fromPlace = headwords_[std::min(low, count - 1)];
    for (std::size_t length = wordRest.size(); length-- > 0;) {
        const std::string_view beginning = wordRest.substr(0, length);
        std::size_t lo = 0, hi = low;  // after the last key not above the beginning
        while (lo < hi) {
            const std::size_t mid = (lo + hi) / 2;
            if (less(beginning, key(mid))) {
                hi = mid;
            } else {
                lo = mid + 1;
            }
        }
        if (lo > 0 && key(lo - 1) == beginning) {
            parts.beginning = headwords_[lo - 1];
            parts.beginningEnd = lo < count ? headwords_[lo] : lines_.size();
            break;
        }
    }
    return parts;
}

ScanOutcome AltFileLines::scan(const ScanRequest& request, AltTable& table) const {
    const std::span<const std::string> lines(lines_);
    if (!searchable_ || request.word.size() < 2) return scanAltLines(request, lines, table);
    const ScanParts parts = scanParts(request.word.substr(1));
    bool collected = false;
    if (parts.beginningEnd > parts.beginning) {
        collected = scanAltLines(
                        request,
                        lines.subspan(parts.beginning, parts.beginningEnd - parts.beginning), table)
                        .entryFound;
    }
    ScanOutcome outcome = scanAltLines(request, lines.subspan(parts.fromPlace), table);
    outcome.entryFound = outcome.entryFound || collected;
    return outcome;
}

}  // namespace vernik
