#include "maintenance/comment_target.h"

#include "lexicon/headword_scan.h"
#include "lexicon/letter_files.h"
#include "workspace/lexicon_lookup.h"
#include "workspace/lookup_word.h"

namespace vernik {

CommentTarget commentTarget(const std::string& folder, char letter, std::string headword) {
    CommentTarget target;
    target.headword = std::move(headword);
    const auto found = findLetterFile(folder, "", letter, LetterKind::Com);
    target.comFile = found ? *found : letterFileName(folder, "", letter, LetterKind::Com);
    target.hasComments = !collectComments(target.comFile, target.headword).lines.empty();
    return target;
}

std::optional<CommentTarget> lookUpCommentTarget(const std::string& folder, std::string_view typed,
                                                 SpecialAlphabet special) {
    const LookupWord word = analyseLookupWord(typed, special);
    if (word.word.empty()) return std::nullopt;
    AltTable table;
    LexiconLookupRequest request{.folder = folder, .word = word.word, .letter = word.initial};
    request.withComments = false;
    if (!lookUpInLexicons(request, table).altFileFound) return std::nullopt;
    return commentTarget(folder, word.initial, table.slot(1));
}

}  // namespace vernik
