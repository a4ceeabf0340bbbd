#include "maintenance/letter_file_rewrite.h"

#include <algorithm>

#include "maintenance/new_word_mark.h"
#include "maintenance/position_prefix.h"
#include "platform/line_reader.h"

namespace vernik {
namespace {

constexpr std::string_view kNewHeadwordStatus = "Nytt uppslagsord ";
constexpr std::string_view kAddedStatus = "Uppslagsordet fanns. Tillagt: ";
constexpr std::string_view kAlreadyFirstStatus = "Uppslagsordet och ordet fanns";
constexpr std::string_view kAlreadyThereStatus = "Uppslagsordet och ordet fanns.";
constexpr std::string_view kPlacedStatus = "Uppslagsordet fanns. Placerat: ";
constexpr std::string_view kDeletedStatus = "Borttaget: ";
constexpr std::string_view kNothingDeletedStatus = "Borttaget:  ??? ";

std::string cut(std::string text) {
    if (text.size() > kShortTextLength) text.resize(kShortTextLength);
    return text;
}

bool isHeadwordLine(std::string_view line) {
    return !line.empty() && line[0] == '.';
}

// The bare letter's entry and any other headword of one character: copied
// as it stands and never compared with the word.
bool isOneCharacterHeadword(std::string_view line) {
    return line.size() == 2 && line[0] == '.';
}

bool hasMark(std::string_view line) {
    return !line.empty() && line[0] == kNewWordMark;
}

// Whether the headword of `line` ("." + headword) sorts before `word`. The
// initial letters are not compared; a headword that equals the word from its
// second character on sorts at the word's place unless it is shorter. A word
// shorter than two characters stops no search.
bool sortsBefore(std::string_view line, std::string_view word, const CollationRank& rank) {
    if (word.size() < 2) return true;
    const std::string_view headword = line.substr(1);
    const std::size_t common = std::min(word.size(), headword.size());
    for (std::size_t p = 1; p < common; ++p) {
        const int h = rank[static_cast<unsigned char>(headword[p])];
        const int w = rank[static_cast<unsigned char>(word[p])];
        if (h != w) return h < w;
    }
    return headword.size() < word.size();
}

const CollationRank& identityRank() {
    static const CollationRank identity = identityCollationRank();
    return identity;
}

// One run of the rewrite. L is the line last read from the source; `haveLine`
// is false once the source has no more lines.
class Rewrite {
  public:
    Rewrite(const std::vector<std::string>& source, const RewriteRequest& request)
        : source_(source),
          request_(request),
          rank_(request.rank ? *request.rank : identityRank()),
          // The word as its headword line can hold it, so that a word of
          // a full line's length still finds its headword.
          word_(std::string(request.word.substr(0, kShortTextLength - 1))),
          headwordLine_(cut("." + word_)),
          T_(cut(std::string(request.alt1))),
          mark_(marksAddedAlternatives(request.markNewWords, request.batchOp)) {
        result_.alt1 = T_;
        result_.alt2 = cut(std::string(request.alt2));
        result_.alt3 = cut(std::string(request.alt3));
        result_.lines.reserve(source.size() + 4);
    }

    RewriteResult run() {
        while (read()) examine();
        if (searching_ && word_.size() >= 2) {
            // No sentinel stopped the search: the new entry closes the file.
            result_.sourceEndedEarly = true;
            addNewHeadword();
        }
        result_.alt1 = T_;
        return std::move(result_);
    }

  private:
    bool read() {
        haveLine_ = next_ < source_.size();
        if (haveLine_) L_ = cut(source_[next_++]);
        return haveLine_;
    }
    void write(std::string line) { result_.lines.push_back(cut(std::move(line))); }
    void writeMarked(const std::string& text) {
        write(mark_ ? std::string(1, kNewWordMark) + text : text);
    }
    bool isWordOrMarkedWord(std::string_view line) const {
        // "¤" + T as a line of at most 255 bytes.
        const std::string_view markedWord = std::string_view(T_).substr(0, kShortTextLength - 1);
        return line == T_ || (hasMark(line) && line.substr(1) == markedWord);
    }

    // Handles the line L: one-character headword blocks, the search for the
    // word's place and the copy of every other line.
    void examine() {
        if (!copyOneCharacterBlocks()) return;
        if (isHeadwordLine(L_) && searching_) {
            if (sortsBefore(L_, word_, rank_)) {
                write(L_);
                return;
            }
            searching_ = false;
            if (L_ == headwordLine_) {
                changeExistingHeadword();
            } else {
                addNewHeadword();
                write(L_);
            }
            return;
        }
        if (markClearing_) clearNewWordMark(L_);
        write(L_);
    }

    // Copies one-character headwords with their lines, marks kept, until a
    // line of another headword is in L. False when the source ended first.
    bool copyOneCharacterBlocks() {
        while (isOneCharacterHeadword(L_)) {
            write(L_);
            for (;;) {
                if (!read()) return false;
                if (isHeadwordLine(L_)) break;
                write(L_);
            }
        }
        return true;
    }

    // Writes "." + word with its alternatives, in front of L.
    void addNewHeadword() {
        write(headwordLine_);
        writeMarked(T_);
        if (request_.batchOp != 'i' && result_.alt2.size() >= 2) {
            writeMarked(result_.alt2);
            if (result_.alt3.size() >= 2) writeMarked(result_.alt3);
        }
        result_.outcome = RewriteOutcome::NewHeadword;
        result_.status = std::string(kNewHeadwordStatus) + headwordLine_;
        result_.headwordBox = headwordLine_;
    }

    // L is "." + word: adds, places or deletes the alternative T.
    void changeExistingHeadword() {
        write(L_);
        if (!read()) result_.sourceEndedEarly = true;
        const bool alreadyFirst = haveLine_ && checkFirstAlternative();
        result_.outcome = RewriteOutcome::ExistingHeadword;
        result_.status = std::string(alreadyFirst ? kAlreadyFirstStatus : kAddedStatus);
        result_.alt2.clear();
        result_.alt3.clear();

        const PositionPrefix prefix = takePositionPrefix(T_);
        if (prefix.digits == "0") result_.status = std::string(kNothingDeletedStatus);
        const Walk walk = walkAlternatives(prefix);
        if (!T_.empty() && walk.steps < prefix.position) {
            result_.status = std::string(kAddedStatus) + T_;
            writeMarked(T_);
        }
        if (prefix.position == 0 && walk.steps > 0 && !walk.wroteAlternative) {
            write(std::string(kNoTranslation));
        }
        if (haveLine_) write(L_);
    }

    // The word typed is the first alternative already: nothing is added, and
    // from here on the new-word marks are cleared.
    bool checkFirstAlternative() {
        if (!isWordOrMarkedWord(L_)) return false;
        T_.clear();
        markClearing_ = true;
        result_.clearedLaterMarks = true;
        clearNewWordMark(L_);
        return true;
    }

    struct Walk {
        int steps = 0;  // alternatives counted
        bool wroteAlternative = false;
    };

    // Copies the headword's alternatives, placing T at its position and
    // dropping the word's old place, its repeated copies and the placeholder.
    Walk walkAlternatives(const PositionPrefix& prefix) {
        Walk walk;
        const int position = prefix.position;
        while (haveLine_ && !isHeadwordLine(L_) && !T_.empty()) {
            ++walk.steps;
            if (walk.steps == position) {
                write(T_);
                walk.wroteAlternative = true;
                result_.status = std::string(kPlacedStatus) + T_;
            }
            if (isWordOrMarkedWord(L_)) {
                if (position == kAppendPosition) {
                    write(L_);
                    walk.wroteAlternative = true;
                    result_.status = std::string(kAlreadyThereStatus);
                    T_.clear();
                } else if (prefix.digits == "0") {
                    result_.status = std::string(kDeletedStatus) + T_;
                }
                if (!readInWalk()) break;
            }
            if (L_ == T_ || isHeadwordLine(L_)) continue;
            if (L_ != kNoTranslation) {
                write(L_);
                walk.wroteAlternative = true;
            }
            if (!readInWalk()) break;
        }
        return walk;
    }

    // Reads on inside the walk; the source ending here means the headword's
    // entry was not closed by a later headword.
    bool readInWalk() {
        if (read()) return true;
        result_.sourceEndedEarly = true;
        return false;
    }

    const std::vector<std::string>& source_;
    const RewriteRequest& request_;
    const CollationRank& rank_;
    const std::string word_;
    const std::string headwordLine_;
    std::string T_;  // the text of EditPAlt1 as the change goes on
    const bool mark_;

    std::size_t next_ = 0;
    std::string L_;
    bool haveLine_ = false;
    bool searching_ = true;
    bool markClearing_ = false;
    RewriteResult result_;
};

}  // namespace

RewriteResult rewriteLetterLines(const std::vector<std::string>& source,
                                 const RewriteRequest& request) {
    return Rewrite(source, request).run();
}

std::vector<std::string> splitLetterLines(std::string_view bytes, std::size_t maxLength) {
    if (maxLength == 0) maxLength = std::string_view::npos;
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        lines.emplace_back(bytes.substr(0, std::min(end, maxLength)));
        if (end == std::string_view::npos) break;
        const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        bytes.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

}  // namespace vernik
