#include "maintenance/lexicon_merge.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "lexicon/letter_files.h"
#include "maintenance/merge_lines.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/line_reader.h"

namespace vernik {
namespace {

// Comment lines of a com file copied alone are kept up to this length.
constexpr std::size_t kComCopyLength = 250;
// At most this many trailing blanks and control characters are cut off a line.
constexpr int kMostTrailingCut = 250;
constexpr int kFirstPrintableRank = 33;

const CollationRank& identityRank() {
    static const CollationRank rank = identityCollationRank();
    return rank;
}

bool walksOn(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= '-' && u <= 'z') || u >= 128;
}

std::string shownPath(const fs::path& path) {
    return cp1252FromUtf8Lossy(path.string());
}

// The entries of an alt file: its lines from the first headword line up to
// the sentinel, without lines that begin with a blank or a control character
// and without trailing ones.
struct AltEntries {
    std::vector<std::string_view> lines;
    std::vector<std::size_t> starts;  // the headword line of each entry
    bool hasHeadword = false;         // a headword line, the sentinel included

    std::size_t count() const { return starts.size(); }
    std::string_view headword(std::size_t entry) const { return lines[starts[entry]]; }
    // The alternatives of an entry: line numbers [first, end).
    std::size_t alternativesFrom(std::size_t entry) const { return starts[entry] + 1; }
    std::size_t alternativesEnd(std::size_t entry) const {
        return entry + 1 < starts.size() ? starts[entry + 1] : lines.size();
    }
};

AltEntries readAltEntries(std::string_view bytes, const CollationRank& rank) {
    AltEntries entries;
    for (std::string_view line : splitLineViews(bytes, kShortTextLength)) {
        if (line.empty() || rank[static_cast<unsigned char>(line[0])] < kFirstPrintableRank) {
            continue;
        }
        for (int cut = 0; cut < kMostTrailingCut &&
                          rank[static_cast<unsigned char>(line.back())] < kFirstPrintableRank;
             ++cut) {
            line.remove_suffix(1);
        }
        const bool headword = isHeadwordLine(line);
        if (!entries.hasHeadword && !headword) continue;
        entries.hasHeadword = true;
        if (headword) {
            if (isSentinelLine(line)) break;
            entries.starts.push_back(entries.lines.size());
        }
        entries.lines.push_back(line);
    }
    return entries;
}

// The alternatives of an entry.
LineSet alternativesOf(const AltEntries& entries, std::size_t entry) {
    LineSet alternatives;
    for (std::size_t i = entries.alternativesFrom(entry); i < entries.alternativesEnd(entry); ++i) {
        alternatives.add(entries.lines[i]);
    }
    return alternatives;
}

// Builds the result files of one letter whose two alt files are both there.
class LetterMerge {
  public:
    LetterMerge(const MergeRequest& request, CommentMerge* comments)
        : operation_(request.operation),
          mark_(request.markNewWords && request.operation == MergeOperation::Add),
          rank_(request.rank ? *request.rank : identityRank()),
          comments_(comments) {}

    void merge(const AltEntries& main, const AltEntries& second) {
        std::size_t m = 0, s = 0;
        while (m < main.count() && s < second.count()) {
            const std::string_view mainHeadword = main.headword(m);
            const std::string_view secondHeadword = second.headword(s);
            if (mainHeadword == secondHeadword) {
                writeShared(main, m++, second, s++);
            } else if (mergeSortsAfter(mainHeadword, secondHeadword, rank_)) {
                writeSecondOnly(second, s++);
            } else {
                writeMainOnly(main, m++);
            }
        }
        // The rest of the main file is left out of "not in main" altogether,
        // comments included.
        if (operation_ != MergeOperation::NotInMain) {
            while (m < main.count()) writeMainOnly(main, m++);
        }
        while (s < second.count()) writeSecondOnly(second, s++);
    }

    std::string alt;
    std::string com;

  private:
    void visit(std::string_view headword) {
        if (comments_) comments_->appendMerged(headword, com);
    }

    void writeMainOnly(const AltEntries& main, std::size_t entry) {
        if (operation_ != MergeOperation::NotInMain) {
            for (std::size_t i = main.starts[entry]; i < main.alternativesEnd(entry); ++i) {
                appendLine(alt, main.lines[i]);
            }
        }
        visit(main.headword(entry));
    }

    void writeSecondOnly(const AltEntries& second, std::size_t entry) {
        appendLine(alt, second.headword(entry));
        for (std::size_t i = second.alternativesFrom(entry); i < second.alternativesEnd(entry);
             ++i) {
            writeAdded(second.lines[i]);
        }
        visit(second.headword(entry));
    }

    void writeShared(const AltEntries& main, std::size_t m, const AltEntries& second,
                     std::size_t s) {
        const LineSet mainAlternatives = alternativesOf(main, m);
        const std::size_t headerAt = alt.size();
        if (operation_ == MergeOperation::Add) {
            for (std::size_t i = main.starts[m]; i < main.alternativesEnd(m); ++i) {
                appendLine(alt, main.lines[i]);
            }
        } else {
            appendLine(alt, main.headword(m));
        }
        bool anyNew = false;
        for (std::size_t i = second.alternativesFrom(s); i < second.alternativesEnd(s); ++i) {
            if (mainAlternatives.holds(second.lines[i])) continue;
            writeAdded(second.lines[i]);
            anyNew = true;
        }
        // The subtractions write a shared headword only with new alternatives.
        if (operation_ != MergeOperation::Add && !anyNew) alt.resize(headerAt);
        visit(main.headword(m));
    }

    void writeAdded(std::string_view alternative) {
        if (mark_) alt += kNewWordMark;
        appendLine(alt, alternative);
    }

    MergeOperation operation_;
    bool mark_;
    const CollationRank& rank_;
    CommentMerge* comments_;
};

// An input letter file: its name as the message shows it, and its bytes when
// it is there.
struct InputFile {
    fs::path name;
    std::optional<fs::path> found;
    std::string bytes;
};

// Reads the file when it exists; false with the error set when it cannot be read.
bool readInput(const std::string& folder, char letter, LetterKind kind, InputFile& input,
               MergeReport& report) {
    input.name = letterFileName(folder, "", letter, kind);
    input.found = findLetterFile(folder, "", letter, kind);
    if (!input.found) return true;
    std::optional<std::string> bytes = readFileBytes(*input.found);
    if (!bytes) {
        report.error = shownPath(*input.found) + ": " + std::strerror(errno);
        return false;
    }
    input.bytes = std::move(*bytes);
    return true;
}

void appendEnd(std::string& out, char letter) {
    appendLine(out, sentinelLine(letter));
    appendLine(out, kSentinelFollower);
}

// The com files' own headwords, merged in headword order, each visited once:
// the result com file of a letter whose alt files cannot be merged.
std::string mergeComFilesAlone(const InputFile& main, const InputFile& second,
                               CommentMerge& comments, const CollationRank& rank, char letter) {
    const std::vector<std::string_view> mainHeadwords = comHeadwords(main.bytes);
    const std::vector<std::string_view> secondHeadwords = comHeadwords(second.bytes);
    std::string out;
    std::size_t m = 0, s = 0;
    while (m < mainHeadwords.size() || s < secondHeadwords.size()) {
        std::string_view headword;
        if (s == secondHeadwords.size()) {
            headword = mainHeadwords[m++];
        } else if (m == mainHeadwords.size()) {
            headword = secondHeadwords[s++];
        } else if (mainHeadwords[m] == secondHeadwords[s]) {
            headword = mainHeadwords[m++];
            ++s;
        } else if (mergeSortsAfter(mainHeadwords[m], secondHeadwords[s], rank)) {
            headword = secondHeadwords[s++];
        } else {
            headword = mainHeadwords[m++];
        }
        comments.appendMerged(headword, out);
    }
    appendEnd(out, letter);
    return out;
}

bool writeResult(const fs::path& path, const std::string& bytes, MergeReport& report) {
    const WriteResult written = writeFileReplacing(path, bytes);
    if (!written.ok()) report.error = cp1252FromUtf8Lossy(written.error);
    return written.ok();
}

std::unique_ptr<CommentMerge> commentMergeOf(const MergeRequest& request, const InputFile& main,
                                             const InputFile& second) {
    const ComFilePair files{*main.found, *second.found, main.bytes, second.bytes};
    return request.commentMerge ? request.commentMerge(files) : indexedCommentMerge(files);
}

// The four input files of a letter.
struct LetterInputs {
    InputFile mainAlt, secondAlt, mainCom, secondCom;

    // The com file of a letter that has only one, or null.
    const InputFile* onlyCom() const {
        if (mainCom.found && secondCom.found) return nullptr;
        if (mainCom.found) return &mainCom;
        return secondCom.found ? &secondCom : nullptr;
    }
};

// Reads the letter's input files that exist and reports the missing alt files.
bool readLetterInputs(const MergeRequest& request, char letter, LetterInputs& in,
                      MergeReport& report) {
    if (!readInput(request.mainFolder, letter, LetterKind::Alt, in.mainAlt, report) ||
        !readInput(request.secondFolder, letter, LetterKind::Alt, in.secondAlt, report) ||
        !readInput(request.mainFolder, letter, LetterKind::Com, in.mainCom, report) ||
        !readInput(request.secondFolder, letter, LetterKind::Com, in.secondCom, report)) {
        return false;
    }
    for (const InputFile* alt : {&in.mainAlt, &in.secondAlt}) {
        if (!alt->found) {
            report.messages.push_back("Filen: " + shownPath(alt->name) + " finns inte");
        }
    }
    return true;
}

// The result files of a letter.
struct LetterResult {
    fs::path alt;
    fs::path com;
    char letter;
};

// Both alt files are there: the merged alt file, and the merged com file, a
// copy of the only com file or an empty one.
void writeMergedLetter(const MergeRequest& request, const LetterInputs& in, const AltEntries& main,
                       const AltEntries& second, CommentMerge* comments, const LetterResult& result,
                       MergeReport& report) {
    LetterMerge merge(request, comments);
    merge.merge(main, second);
    appendEnd(merge.alt, result.letter);
    if (!writeResult(result.alt, merge.alt, report)) return;
    std::string com;
    if (comments) {
        com = std::move(merge.com);
        appendEnd(com, result.letter);
    } else if (const InputFile* only = in.onlyCom()) {
        com = copyLines(only->bytes, kComCopyLength);
    }
    writeResult(result.com, com, report);
}

// One alt file or none: the main one is copied for the operations that keep
// the main lexicon's entries, and the comments are kept.
void writeUnmergedLetter(const MergeRequest& request, const LetterInputs& in, bool mainUsable,
                         CommentMerge* comments, const LetterResult& result, MergeReport& report) {
    if (mainUsable && request.operation != MergeOperation::NotInMain) {
        if (!writeResult(result.alt, copyLines(in.mainAlt.bytes, kShortTextLength), report)) {
            return;
        }
    }
    const CollationRank& rank = request.rank ? *request.rank : identityRank();
    if (comments) {
        writeResult(result.com,
                    mergeComFilesAlone(in.mainCom, in.secondCom, *comments, rank, result.letter),
                    report);
    } else if (const InputFile* only = in.onlyCom()) {
        writeResult(result.com, copyLines(only->bytes, kComCopyLength), report);
    }
}

}  // namespace

std::optional<MergeOperation> mergeOperationOf(char batchOp) {
    switch (batchOp) {
        case 'a':
        case 'A':
            return MergeOperation::Add;
        case 's':
        case 'S':
            return MergeOperation::Difference;
        case 'z':
        case 'Z':
            return MergeOperation::NotInMain;
        default:
            return std::nullopt;
    }
}

std::string_view mergeRunningText(MergeOperation operation) {
    switch (operation) {
        case MergeOperation::Add:
            return "Lexikonaddition p\xE5g\xE5r";
        case MergeOperation::Difference:
            return "Lexikonsubtraktion p\xE5g\xE5r";
        case MergeOperation::NotInMain:
            return "Uttag av poster som ej ing\xE5r i huvudlexikon";
    }
    return {};
}

int mergeProgress(char letter) {
    return std::clamp((static_cast<unsigned char>(letter) - 'A') * 4, 0, 100);
}

bool mergeSortsAfter(std::string_view a, std::string_view b, const CollationRank& rank) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i] && walksOn(a[i])) ++i;
    if (i >= b.size()) return i < a.size();
    if (i >= a.size()) return false;
    return rank[static_cast<unsigned char>(a[i])] > rank[static_cast<unsigned char>(b[i])];
}

MergeReport mergeLetter(const MergeRequest& request, char letter) {
    MergeReport report;
    LetterInputs in;
    if (!readLetterInputs(request, letter, in, report)) return report;
    const CollationRank& rank = request.rank ? *request.rank : identityRank();
    const AltEntries main =
        in.mainAlt.found ? readAltEntries(in.mainAlt.bytes, rank) : AltEntries{};
    // A main alt file without a headword line counts as missing.
    if (in.mainAlt.found && !main.hasHeadword) {
        report.messages.push_back("Filen: " + shownPath(*in.mainAlt.found) +
                                  " har inget uppslagsord");
    }
    const LetterResult result{
        .alt = letterFileName(request.resultFolder, "", letter, LetterKind::Alt),
        .com = letterFileName(request.resultFolder, "", letter, LetterKind::Com),
        .letter = letter,
    };
    std::unique_ptr<CommentMerge> comments;
    if (in.mainCom.found && in.secondCom.found) {
        comments = commentMergeOf(request, in.mainCom, in.secondCom);
    }
    if (main.hasHeadword && in.secondAlt.found) {
        writeMergedLetter(request, in, main, readAltEntries(in.secondAlt.bytes, rank),
                          comments.get(), result, report);
    } else {
        writeUnmergedLetter(request, in, main.hasHeadword, comments.get(), result, report);
    }
    return report;
}

MergeReport runMerge(const MergeRequest& request, const MergeObserver& observer) {
    MergeReport report;
    // An empty name would put the result in whatever folder is current.
    if (request.resultFolder.empty()) {
        report.error = "Ingen resultatmapp angiven";
        return report;
    }
    for (const std::string* input : {&request.mainFolder, &request.secondFolder}) {
        // An empty input folder is the current folder, as its letter files' paths say.
        const fs::path inputFolder = input->empty() ? fs::path(".") : fs::path(*input);
        std::error_code ec;
        if (fs::equivalent(request.resultFolder, inputFolder, ec)) {
            report.error = "Resultatmappen " + shownPath(request.resultFolder) +
                           " \xE4r en av de mappar som l\xE4ses: v\xE4lj en annan mapp";
            return report;
        }
    }
    const FileLock lock = lockLexiconFolder(request.resultFolder);
    if (!lock.held()) {
        report.error = lock.busy() ? "Mappen " + shownPath(request.resultFolder) +
                                         " \xE4ndras just nu av ett annat program"
                                   : cp1252FromUtf8Lossy(lock.error());
        return report;
    }
    for (char letter : kMergeLetters) {
        if (observer.letterStarts) observer.letterStarts(letter, mergeProgress(letter));
        MergeReport done = mergeLetter(request, letter);
        for (std::string& message : done.messages) {
            if (observer.message) observer.message(message);
            report.messages.push_back(std::move(message));
        }
        if (!done.ok()) {
            report.error = std::move(done.error);
            return report;
        }
    }
    return report;
}

}  // namespace vernik
