#include "maintenance/held_letter_file.h"

#include <algorithm>
#include <iterator>

#include "maintenance/new_word_mark.h"
#include "platform/line_reader.h"

namespace vernik {

namespace {

bool isHeadwordLine(std::string_view line) {
    return !line.empty() && line[0] == '.';
}

// The rewrite's search compares every headword line but those of one
// character, whose blocks it copies as they stand.
bool isComparedHeadword(std::string_view line) {
    return isHeadwordLine(line) && line.size() != 2;
}

std::string cut(std::string_view line) {
    return std::string(line.substr(0, kShortTextLength));
}

}  // namespace

HeldLetterFile::HeldLetterFile(const std::vector<std::string>& lines, const CollationRank& rank)
    : rank_(rank) {
    if (!load(lines)) {
        whole_.clear();
        for (const auto& line : lines) whole_.push_back(cut(line));
        keyed_ = false;
    }
}

// The search orders headwords by the ranks of their characters after the
// initial letter; a text that ends first sorts first.
HeldLetterFile::Key HeldLetterFile::keyOfText(std::string_view text) const {
    Key key;
    key.reserve(text.size());
    for (char c : text) key += static_cast<char32_t>(rank_[static_cast<unsigned char>(c)]);
    return key;
}

HeldLetterFile::Key HeldLetterFile::keyOfLine(std::string_view headwordLine) const {
    return keyOfText(headwordLine.size() > 2 ? headwordLine.substr(2) : std::string_view());
}

bool HeldLetterFile::load(const std::vector<std::string>& lines) {
    Entry* current = nullptr;
    const Key* previous = nullptr;
    for (const auto& source : lines) {
        std::string line = cut(source);
        if (!isComparedHeadword(line)) {
            (current ? current->rest : lead_).push_back(std::move(line));
            continue;
        }
        Key key = keyOfLine(line);
        if (previous && key < *previous) return false;
        const auto at = entries_.emplace_hint(entries_.end(), std::move(key),
                                              Entry{.headword = std::move(line), .rest = {}});
        current = &at->second;
        previous = &at->first;
    }
    return true;
}

std::vector<std::string> HeldLetterFile::lines() const {
    if (!keyed_) return whole_;
    std::vector<std::string> out(lead_);
    for (const auto& [key, entry] : entries_) {
        out.push_back(entry.headword);
        out.insert(out.end(), entry.rest.begin(), entry.rest.end());
    }
    return out;
}

RewriteOutcome HeldLetterFile::apply(const RewriteRequest& given) {
    RewriteRequest request = given;
    request.rank = &rank_;
    if (!keyed_) return applyWhole(request);
    const std::string_view word = request.word.substr(0, kShortTextLength - 1);
    // A word of one character stops no search and adds nothing.
    if (word.size() < 2) return RewriteOutcome::Unchanged;
    const auto at = entries_.lower_bound(keyOfText(word.substr(1)));
    // A word after every headword is added at the very end, behind the
    // sentinel; such a file is held whole from then on.
    if (at == entries_.end()) {
        holdWhole();
        return applyWhole(request);
    }
    if (at->second.headword == "." + std::string(word)) return applyToEntry(at, request);
    return applyInFront(at, request);
}

RewriteOutcome HeldLetterFile::applyToEntry(Entries::iterator at, const RewriteRequest& request) {
    // The next headword goes along: the rewrite reads it as the line after
    // the entry (even as the entry's first alternative, when there is none).
    std::vector<std::string> slice{at->second.headword};
    slice.insert(slice.end(), at->second.rest.begin(), at->second.rest.end());
    const auto next = std::next(at);
    if (next != entries_.end()) slice.push_back(next->second.headword);
    RewriteResult result = rewriteLetterLines(slice, request);
    if (next != entries_.end()) result.lines.pop_back();
    // An alternative that reads as a headword puts the file out of key order.
    const bool orderKept = std::none_of(result.lines.begin() + 1, result.lines.end(),
                                        [](const std::string& l) { return isComparedHeadword(l); });
    at->second.rest.assign(std::make_move_iterator(result.lines.begin() + 1),
                           std::make_move_iterator(result.lines.end()));
    if (result.clearedLaterMarks) clearMarksAfter(at);
    if (!orderKept) holdWhole();
    return result.outcome;
}

RewriteOutcome HeldLetterFile::applyInFront(Entries::iterator at, const RewriteRequest& request) {
    RewriteResult result = rewriteLetterLines({at->second.headword}, request);
    result.lines.pop_back();  // the headword the new entry stands in front of
    Entry entry{.headword = std::move(result.lines.front()), .rest = {}};
    entry.rest.assign(std::make_move_iterator(result.lines.begin() + 1),
                      std::make_move_iterator(result.lines.end()));
    const bool orderKept = std::none_of(entry.rest.begin(), entry.rest.end(),
                                        [](const auto& l) { return isComparedHeadword(l); });
    Key key = keyOfLine(entry.headword);
    entries_.emplace_hint(at, std::move(key), std::move(entry));
    if (!orderKept) holdWhole();
    return result.outcome;
}

// The marks after a changed entry go, as the whole-file rewrite clears them:
// every line but those in blocks of one-character headwords.
void HeldLetterFile::clearMarksAfter(Entries::iterator at) {
    for (auto it = std::next(at); it != entries_.end(); ++it) {
        bool inOneCharacterBlock = false;
        for (auto& line : it->second.rest) {
            if (isHeadwordLine(line)) {
                inOneCharacterBlock = line.size() == 2;
            } else if (!inOneCharacterBlock) {
                clearNewWordMark(line);
            }
        }
    }
}

RewriteOutcome HeldLetterFile::applyWhole(const RewriteRequest& request) {
    RewriteResult result = rewriteLetterLines(whole_, request);
    whole_ = std::move(result.lines);
    return result.outcome;
}

void HeldLetterFile::holdWhole() {
    whole_ = lines();
    keyed_ = false;
    lead_.clear();
    entries_.clear();
}

}  // namespace vernik
