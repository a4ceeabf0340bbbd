#include "workspace/lexicon_lookup.h"

#include "lexicon/headword_scan.h"
#include "lexicon/letter_files.h"

namespace vernik {
namespace {

// The file of `kind` as found on disk, or the name it would have.
std::string letterFilePath(const LexiconLookupRequest& request, const std::string& supplement,
                           LetterKind kind) {
    const auto found = findLetterFile(request.folder, supplement, request.letter, kind);
    return (found ? *found : letterFileName(request.folder, supplement, request.letter, kind))
        .string();
}

bool hasLetterFile(const LexiconLookupRequest& request, const std::string& supplement) {
    return findLetterFile(request.folder, supplement, request.letter, LetterKind::Alt).has_value();
}

}  // namespace

LexiconLookupOutcome lookUpInLexicons(const LexiconLookupRequest& request, AltTable& table) {
    LexiconLookupOutcome outcome;
    std::string supplement;  // "" for the main lexicon, then "a" to "z"
    int altBase = 0;
    for (;;) {
        outcome.altFileName = letterFilePath(request, supplement, LetterKind::Alt);
        outcome.comFileName = letterFilePath(request, supplement, LetterKind::Com);
        const bool mainPass = supplement.empty();
        // The next supplementary lexicon is searched only while its letter file exists.
        const bool moreToCome =
            supplement != "z" && hasLetterFile(request, supplement) &&
            hasLetterFile(
                request, supplement.empty() ? std::string("a") : std::string(1, supplement[0] + 1));

        const ScanOutcome scan = scanAltFile({.word = request.word,
                                              .altFile = outcome.altFileName,
                                              .altBase = altBase,
                                              .rank = request.rank},
                                             table);
        ++outcome.lexiconsScanned;
        outcome.phraseFollows = scan.phraseFollows;
        if (mainPass) {
            outcome.altFileFound = scan.fileFound;
            outcome.commentsReplace = scan.fileFound;
        }
        if (scan.fileFound) outcome.shownLines = altBase + table.LastEntryCount;

        const CommentOutcome comments = collectComments(outcome.comFileName, table.slot(1));
        outcome.comments.insert(outcome.comments.end(), comments.lines.begin(),
                                comments.lines.end());
        outcome.hasComments = !comments.lines.empty();

        if (!moreToCome) break;
        altBase += table.LastEntryCount;
        supplement = supplement.empty() ? "a" : std::string(1, supplement[0] + 1);
    }
    return outcome;
}

}  // namespace vernik
