#include "workspace/lexicon_lookup.h"

#include <optional>

#include "lexicon/headword_scan.h"
#include "lexicon/letter_files.h"

namespace vernik {
namespace {

std::optional<fs::path> findAltFile(const LexiconLookupRequest& request,
                                    const std::string& supplement) {
    if (request.findAltFile) return request.findAltFile(supplement, request.letter);
    return findLetterFile(request.folder, supplement, request.letter, LetterKind::Alt);
}

// The file as found on disk, or the name it would have.
std::string pathOrName(const std::optional<fs::path>& found, const LexiconLookupRequest& request,
                       const std::string& supplement, LetterKind kind) {
    return (found ? *found : letterFileName(request.folder, supplement, request.letter, kind))
        .string();
}

}  // namespace

LexiconLookupOutcome lookUpInLexicons(const LexiconLookupRequest& request, AltTable& table) {
    LexiconLookupOutcome outcome;
    std::string supplement;  // "" for the main lexicon, then "a" to "z"
    int altBase = 0;
    std::optional<fs::path> altFile = findAltFile(request, supplement);
    for (;;) {
        outcome.altFileName = pathOrName(altFile, request, supplement, LetterKind::Alt);
        if (request.withComments) {
            outcome.comFileName = pathOrName(
                findLetterFile(request.folder, supplement, request.letter, LetterKind::Com),
                request, supplement, LetterKind::Com);
        }
        const bool mainPass = supplement.empty();
        // The next supplementary lexicon is searched only while its letter file exists.
        const std::string next = mainPass ? std::string("a") : std::string(1, supplement[0] + 1);
        std::optional<fs::path> nextAltFile;
        if (supplement != "z" && altFile) nextAltFile = findAltFile(request, next);

        const ScanRequest scanRequest{.word = request.word,
                                      .altFile = outcome.altFileName,
                                      .altBase = altBase,
                                      .rank = request.rank};
        const ScanOutcome scan =
            request.scan ? request.scan(scanRequest, table) : scanAltFile(scanRequest, table);
        ++outcome.lexiconsScanned;
        outcome.phraseFollows = scan.phraseFollows;
        if (mainPass) {
            outcome.altFileFound = scan.fileFound;
            outcome.commentsReplace = scan.fileFound;
        }
        if (scan.fileFound) outcome.shownLines = altBase + table.LastEntryCount;

        const CommentOutcome comments = request.withComments
                                            ? collectComments(outcome.comFileName, table.slot(1))
                                            : CommentOutcome{};
        outcome.comments.insert(outcome.comments.end(), comments.lines.begin(),
                                comments.lines.end());
        outcome.hasComments = !comments.lines.empty();

        if (!nextAltFile) break;
        altBase += table.LastEntryCount;
        supplement = next;
        altFile = nextAltFile;
    }
    return outcome;
}

}  // namespace vernik
